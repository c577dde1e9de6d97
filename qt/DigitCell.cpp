// A digit cell of the Qt window: its clicks and its keyboard mark.
#include "DigitCell.h"

#include <QMouseEvent>
#include <QPainter>

#include "design/DigitRow.h"

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
    const bool clickedHere = pressed_ && event->button() == Qt::LeftButton &&
                             rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (clickedHere) emit clicked();
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

void DigitCell::setMarked(bool marked) {
    if (marked == marked_) return;
    marked_ = marked;
    update();
}

void DigitCell::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!marked_) return;
    const int width = design::MarkWidth(height());
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), width, Qt::SolidLine, Qt::SquareCap,
                        Qt::MiterJoin));
    painter.setBrush(Qt::NoBrush);
    const double inset = width / 2.0 + 1;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

}  // namespace trivelan::qt
