#include "DigitCellAccessible.h"

#include <QAccessibleWidget>

#include "DigitCell.h"

namespace trivelan::qt {
namespace {

class DigitCellAccessible final : public QAccessibleWidget {
  public:
    explicit DigitCellAccessible(DigitCell* cell)
        : QAccessibleWidget(cell, QAccessible::StaticText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Value) return static_cast<const DigitCell*>(widget())->text();
        return QAccessibleWidget::text(kind);
    }
};

QAccessibleInterface* CreateForDigitCell(const QString& className, QObject* object) {
    if (className != QLatin1String(DigitCell::staticMetaObject.className())) return nullptr;
    return new DigitCellAccessible(static_cast<DigitCell*>(object));
}

}  // namespace

void InstallDigitCellAccessibility() { QAccessible::installFactory(CreateForDigitCell); }

}  // namespace trivelan::qt
