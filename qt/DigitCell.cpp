#include "DigitCell.h"

#include <QMouseEvent>

namespace trivelan::qt {

void DigitCell::takePress(QMouseEvent* event) {
    for (auto* cell : parentWidget()->findChildren<DigitCell*>(Qt::FindDirectChildrenOnly)) {
        cell->tookLastPress_ = false;
    }
    tookLastPress_ = true;
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void DigitCell::mousePressEvent(QMouseEvent* event) { takePress(event); }

void DigitCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

void DigitCell::mouseDoubleClickEvent(QMouseEvent* event) {
    // Qt pairs two quick presses by time and distance alone; on a neighbouring
    // cell the second one is that cell's first press.
    if (!tookLastPress_) {
        takePress(event);
        return;
    }
    pressed_ = false;
    event->accept();
}

}  // namespace trivelan::qt
