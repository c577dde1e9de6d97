#include "DigitCell.h"

#include <QMouseEvent>

namespace trivelan::ui {

void DigitCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void DigitCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) emit clicked();
}

void DigitCell::mouseDoubleClickEvent(QMouseEvent* event) {
    pressed_ = false;
    event->accept();
}

}  // namespace trivelan::ui
