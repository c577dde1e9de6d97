// The Qt window's digit row: its cells, their presses, keys and mark, and what
// a screen reader meets in them.
#include "DigitRow.h"

#include <QAccessibleWidget>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleHints>
#include <optional>
#include <utility>

#include "Text.h"
#include "design/Accessibility.h"
#include "design/Presenter.h"

namespace trivelan::qt {
namespace {

std::optional<design::RowKey> RowKeyOf(int key) {
    using design::RowKey;
    const std::pair<int, RowKey> keys[] = {
        {Qt::Key_Space, RowKey::Space}, {Qt::Key_Return, RowKey::Enter},
        {Qt::Key_Enter, RowKey::Enter}, {Qt::Key_Left, RowKey::Left},
        {Qt::Key_Right, RowKey::Right}, {Qt::Key_Home, RowKey::Home},
        {Qt::Key_End, RowKey::End}};
    for (const auto& [qt, row] : keys) {
        if (qt == key) return row;
    }
    return std::nullopt;
}

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
        if (actionName == pressAction()) cell()->activate();
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

std::u16string DigitRow::Caption(std::size_t k) const { return ToU16(cells_.at(k)->text()); }

void DigitRow::SetCaption(std::size_t k, const std::u16string& caption) {
    DigitCell* cell = cells_.at(k);
    cell->setText(ToQString(caption));
    QAccessibleEvent changed(cell, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void DigitRow::SetUnderline(std::size_t k, bool underline) {
    DigitCell* cell = cells_.at(k);
    QFont font = cell->font();
    if (font.underline() == underline) return;  // skips a relayout on every digit click
    font.setUnderline(underline);
    cell->setFont(font);
}

void DigitRow::Mark(int cell) {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        const bool stop = design::HasOwnTabStop(design::DigitCell(static_cast<int>(k)), cell);
        cells_.at(k)->setFocusPolicy(stop ? Qt::TabFocus : Qt::NoFocus);
    }
}

void DigitCell::activate() { presenter_.CellActivated(position_); }

void DigitCell::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        presenter_.CellPressed(position_, static_cast<std::int64_t>(event->timestamp()),
                               QGuiApplication::styleHints()->mouseDoubleClickInterval());
    }
    event->accept();
}

void DigitCell::mouseReleaseEvent(QMouseEvent* event) {
    event->accept();
    if (event->button() != Qt::LeftButton) return;
    presenter_.CellReleased(position_, rect().contains(event->position().toPoint()));
}

// Qt sends the second press of a quick pair as a double click, judged by time
// and distance alone; the row's rules judge it as any other press.
void DigitCell::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

bool DigitCell::key(const QKeyEvent& event, bool down) {
    const auto rowKey = RowKeyOf(event.key());
    return rowKey && presenter_.CellKey(*rowKey, down, event.isAutoRepeat());
}

void DigitCell::keyPressEvent(QKeyEvent* event) {
    if (!key(*event, true)) QLabel::keyPressEvent(event);
}

void DigitCell::keyReleaseEvent(QKeyEvent* event) {
    if (!key(*event, false)) QLabel::keyReleaseEvent(event);
}

// The mark shows only with the focus.
void DigitCell::focusInEvent(QFocusEvent* event) {
    QLabel::focusInEvent(event);
    update();
}

void DigitCell::focusOutEvent(QFocusEvent* event) {
    QLabel::focusOutEvent(event);
    update();
}

void DigitCell::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    const int width = design::MarkWidth(height());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = width / 2.0 + design::kMarkInset;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace trivelan::qt
