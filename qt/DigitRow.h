#pragma once

#include <QLabel>
#include <array>
#include <cstddef>
#include <string>

#include "design/FormDesign.h"

namespace trivelan::design {
class Presenter;
}

namespace trivelan::qt {

// A digit cell: a label that hands its presses, releases and keys to the row's
// rules. The row's marked cell is its one Tab stop; a press leaves the focus
// where it was, as on a label. To a screen reader it is a button named by
// position and digit, whose action is a click.
class DigitCell final : public QLabel {
    Q_OBJECT
  public:
    DigitCell(int position, design::Presenter& presenter, QWidget* parent)
        : QLabel(parent), position_(position), presenter_(presenter) {}

    // The cell's index in the row, 0 to 14.
    [[nodiscard]] int position() const { return position_; }
    // A screen reader's action.
    void activate();

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

  private:
    // A key of the row's, going down or coming up; false for any other.
    bool key(const QKeyEvent& event, bool down);

    int position_;
    design::Presenter& presenter_;
};

// The row of cells as the form reaches them.
class DigitRow {
  public:
    using Cells = std::array<DigitCell*, design::kDigitCellCount>;

    explicit DigitRow(const Cells& cells) : cells_(cells) {}

    [[nodiscard]] std::u16string Caption(std::size_t k) const;
    // Also tells a screen reader the cell's new name.
    void SetCaption(std::size_t k, const std::u16string& caption);
    void SetUnderline(std::size_t k, bool underline);
    // Makes the cell the row's one Tab stop.
    void Mark(int cell);

  private:
    Cells cells_;
};

// Makes screen readers meet the digit cells as buttons.
void InstallDigitCellAccessibility();

}  // namespace trivelan::qt
