// A digit cell of the Qt window: its clicks and its keyboard mark.
#include "DigitCell.h"

#include <QMouseEvent>
#include <QPainter>

#include "DigitRow.h"
#include "design/DigitRow.h"

namespace trivelan::qt {

DigitRow* DigitCell::row() const { return static_cast<DigitRow*>(parentWidget()); }

void DigitCell::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton && row()->press(position_, event->timestamp());
    event->accept();
}

void DigitCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool clickedHere = pressed_ && event->button() == Qt::LeftButton &&
                             rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (clickedHere) emit clicked();
}

// Qt sends the second press of a quick pair as a double click, judged by time
// and distance alone; the row's rules judge it as any other press.
void DigitCell::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void DigitCell::keyPressEvent(QKeyEvent* event) {
    if (!row()->key(*event)) QLabel::keyPressEvent(event);
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
