// The Qt window's digit row: one Tab stop, its arrow keys and its mark.
#include "DigitRow.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QStyleHints>
#include <optional>

#include "DigitCell.h"
#include "design/DigitRow.h"

namespace trivelan::qt {
namespace {

std::optional<design::RowKey> RowKeyOf(int key) {
    switch (key) {
        case Qt::Key_Space:
            return design::RowKey::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return design::RowKey::Enter;
        case Qt::Key_Left:
            return design::RowKey::Left;
        case Qt::Key_Right:
            return design::RowKey::Right;
        case Qt::Key_Home:
            return design::RowKey::Home;
        case Qt::Key_End:
            return design::RowKey::End;
        default:
            return std::nullopt;
    }
}

}  // namespace

DigitRow::DigitRow(const QString& title, QWidget* parent) : QGroupBox(title, parent) {}

void DigitRow::addCell(DigitCell* cell) {
    cells_.at(static_cast<std::size_t>(cell->position())) = cell;
}

bool DigitRow::event(QEvent* event) {
    // QGroupBox keeps Space for a check box, which this frame has not: keys go
    // past it to keyPressEvent, and Tab on to the next stop.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        return QWidget::event(event);  // NOLINT(bugprone-parent-virtual-call): on purpose
    }
    return QGroupBox::event(event);
}

bool DigitRow::press(int cell, quint64 time) {
    return input_.Press(cell, static_cast<std::int64_t>(time),
                        QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void DigitRow::keyPressEvent(QKeyEvent* event) {
    const auto key = RowKeyOf(event->key());
    if (!key) {
        QGroupBox::keyPressEvent(event);
        return;
    }
    input_.Key(
        *key, event->isAutoRepeat(), [this](int /*before*/) { showMark(); },
        [this](int cell) { cells_.at(static_cast<std::size_t>(cell))->click(); });
}

void DigitRow::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    showMark();
}

void DigitRow::focusOutEvent(QFocusEvent* event) {
    QGroupBox::focusOutEvent(event);
    showMark();
}

void DigitRow::showMark() {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        cells_[k]->setMarked(hasFocus() && static_cast<int>(k) == input_.Mark());
    }
    if (hasFocus()) {
        // Screen readers follow the mark as they would the focus.
        QAccessibleEvent moved(cells_.at(static_cast<std::size_t>(input_.Mark())),
                               QAccessible::Focus);
        QAccessible::updateAccessibility(&moved);
    }
}

}  // namespace trivelan::qt
