#pragma once

#include <QLabel>

namespace trivelan::ui {

// A label that reports a click: a left-button press and release on the cell.
// The second press of a double click starts no click, so a double click counts once.
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
    bool pressed_ = false;
};

}  // namespace trivelan::ui
