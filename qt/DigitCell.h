#pragma once

#include <QLabel>

namespace trivelan::qt {

class DigitRow;

// A label that reports a click: a left-button press and release on the cell,
// where the row's rules count the press as one. The row's marked cell is its
// Tab stop; a press leaves the focus where it was, as on a label.
class DigitCell final : public QLabel {
    Q_OBJECT
  public:
    DigitCell(int position, QWidget* parent) : QLabel(parent), position_(position) {}

    // The cell's index in the row, 0 to 14.
    [[nodiscard]] int position() const { return position_; }

    // The keyboard's and the screen reader's click: the same signal as the mouse's.
    void click() { emit clicked(); }

  signals:
    void clicked();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    [[nodiscard]] DigitRow* row() const;

    int position_;
    bool pressed_ = false;
};

}  // namespace trivelan::qt
