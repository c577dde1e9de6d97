#pragma once

#include <QGroupBox>
#include <array>

#include "design/DigitRow.h"

class QKeyEvent;

namespace trivelan::qt {

class DigitCell;

// Frame1, holding the digit cells: one Tab stop for the whole row, its marked
// cell, which takes the focus itself, so that a screen reader follows the mark
// as it follows the focus. Left, Right, Home and End move the mark; Space or
// Enter clicks the marked cell. The row remembers its cell while the focus is
// elsewhere.
class DigitRow final : public QGroupBox {
    Q_OBJECT
  public:
    explicit DigitRow(const QString& title, QWidget* parent = nullptr);

    void addCell(DigitCell* cell);
    [[nodiscard]] DigitCell* cell(std::size_t k) const { return cells_.at(k); }
    // A left-button press on a cell at a time on the event clock, in
    // milliseconds; true when the press starts a click.
    bool press(int cell, quint64 time);
    // A key on the marked cell; true when the row used it.
    bool key(const QKeyEvent& event);

  private:
    // Makes the marked cell the row's Tab stop, and moves the focus with the
    // mark when the row had it.
    void showMark(int before);

    std::array<DigitCell*, design::kDigitCellCount> cells_{};
    design::RowInput input_;
};

}  // namespace trivelan::qt
