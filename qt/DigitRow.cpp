// The Qt window's digit row: one Tab stop, its arrow keys and its mark.
#include "DigitRow.h"

#include <QAccessible>
#include <QKeyEvent>
#include <optional>

#include "DigitCell.h"
#include "design/DigitRow.h"

namespace trivelan::qt {
namespace {

std::optional<design::RowKey> RowKeyOf(int key) {
    switch (key) {
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

DigitRow::DigitRow(const QString& title, QWidget* parent) : QGroupBox(title, parent) {
    setFocusPolicy(Qt::TabFocus);  // a mouse click on a cell leaves the focus where it was
}

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

void DigitRow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (const auto move = RowKeyOf(key)) {
        setCurrentCell(design::MoveInRow(current_, *move));
    } else if (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter) {
        // One click a press: a held key does not run the digit round.
        if (!event->isAutoRepeat()) cells_.at(static_cast<std::size_t>(current_))->click();
    } else {
        QGroupBox::keyPressEvent(event);
    }
}

void DigitRow::focusInEvent(QFocusEvent* event) {
    QGroupBox::focusInEvent(event);
    showMark();
}

void DigitRow::focusOutEvent(QFocusEvent* event) {
    QGroupBox::focusOutEvent(event);
    showMark();
}

void DigitRow::setCurrentCell(int k) {
    if (k == current_) return;
    current_ = k;
    showMark();
}

void DigitRow::showMark() {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        cells_[k]->setMarked(hasFocus() && static_cast<int>(k) == current_);
    }
    if (hasFocus()) {
        // Screen readers follow the mark as they would the focus.
        QAccessibleEvent moved(cells_.at(static_cast<std::size_t>(current_)), QAccessible::Focus);
        QAccessible::updateAccessibility(&moved);
    }
}

}  // namespace trivelan::qt
