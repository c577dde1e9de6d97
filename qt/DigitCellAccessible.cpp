#include "DigitCellAccessible.h"

#include <QAccessibleWidget>

#include "DigitCell.h"

namespace trivelan::qt {
namespace {

class DigitCellAccessible final : public QAccessibleWidget {
  public:
    explicit DigitCellAccessible(DigitCell* cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        // The widget's accessible name is the position; the digit is its text.
        if (kind == QAccessible::Name) {
            return QStringLiteral("%1: %2").arg(widget()->accessibleName(), cell()->text());
        }
        return QAccessibleWidget::text(kind);
    }

    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.focusable = true;  // through the row
        state.focused = cell()->isMarked();
        return state;
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
