#pragma once

#include <QGroupBox>
#include <array>

#include "design/DigitRow.h"

namespace trivelan::qt {

class DigitCell;

// Frame1, holding the digit cells: one Tab stop for the whole row. Left, Right,
// Home and End move a mark between the cells; Space or Enter clicks the marked
// cell. The row remembers its cell while the focus is elsewhere.
class DigitRow final : public QGroupBox {
    Q_OBJECT
  public:
    explicit DigitRow(const QString& title, QWidget* parent = nullptr);

    void addCell(DigitCell* cell);
    [[nodiscard]] DigitCell* cell(std::size_t k) const { return cells_.at(k); }
    // A left-button press on a cell at a time on the event clock, in
    // milliseconds; true when the press starts a click.
    bool press(int cell, quint64 time);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void showMark();

    std::array<DigitCell*, design::kDigitCellCount> cells_{};
    design::RowInput input_;
};

}  // namespace trivelan::qt
