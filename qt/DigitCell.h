#pragma once

#include <QLabel>

namespace trivelan::qt {

// A label that reports a click: a left-button press and release on the cell.
// The second press of a double click on the same cell starts no click, so a
// double click counts once; a quick press on a neighbour is still a click.
class DigitCell final : public QLabel {
    Q_OBJECT
  public:
    using QLabel::QLabel;

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void takePress(QMouseEvent* event);

    bool pressed_ = false;
    bool tookLastPress_ = false;  // of the cells in this row
};

}  // namespace trivelan::qt
