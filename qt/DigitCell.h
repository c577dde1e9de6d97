#pragma once

#include <QLabel>

namespace trivelan::qt {

// A label that reports a click: a left-button press and release on the cell,
// where the row's rules count the press as one. The cell never takes the
// keyboard focus; the row marks the cell it stands on.
class DigitCell final : public QLabel {
    Q_OBJECT
  public:
    DigitCell(int position, QWidget* parent) : QLabel(parent), position_(position) {}

    // The cell's index in the row, 0 to 14.
    [[nodiscard]] int position() const { return position_; }

    // The keyboard's and the screen reader's click: the same signal as the mouse's.
    void click() { emit clicked(); }
    void setMarked(bool marked);
    [[nodiscard]] bool isMarked() const { return marked_; }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    int position_;
    bool pressed_ = false;
    bool marked_ = false;
};

}  // namespace trivelan::qt
