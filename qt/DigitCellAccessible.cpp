// What a screen reader meets in a digit cell of the Qt window: a button.
#include "DigitCellAccessible.h"

#include <QAccessibleWidget>

#include "DigitCell.h"
#include "Text.h"
#include "design/Accessibility.h"

namespace trivelan::qt {
namespace {

class DigitCellAccessible final : public QAccessibleWidget {
  public:
    explicit DigitCellAccessible(DigitCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        // Named by its position and its digit as it is now.
        if (kind == QAccessible::Name) {
            return ToQString(design::CellName(cell()->position(), ToU16(cell()->text())));
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QStringList actionNames() const override { return {pressAction()}; }

    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) cell()->click();
    }

  private:
    [[nodiscard]] DigitCell* cell() const { return static_cast<DigitCell*>(widget()); }
};

QAccessibleInterface* CreateForDigitCell(const QString& className, QObject* object) {
    if (className != QLatin1String(DigitCell::staticMetaObject.className())) return nullptr;
    return new DigitCellAccessible(static_cast<DigitCell*>(object));
}

}  // namespace

void InstallDigitCellAccessibility() { QAccessible::installFactory(CreateForDigitCell); }

}  // namespace trivelan::qt
