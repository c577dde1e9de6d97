#pragma once

#include <QWidget>
#include <array>

#include "design/FormDesign.h"
#include "logic/HandlerGuard.h"
#include "logic/SequenceForm.h"
#include "logic/SequenceView.h"

class QPlainTextEdit;
class QPushButton;

namespace trivelan::qt {

class DigitCell;

// The program's window. It builds its controls from the design table, carries
// out the view contract and forwards clicks to the form's logic; it decides nothing.
class SequenceForm final : public QWidget, public logic::SequenceView {
    Q_OBJECT
  public:
    explicit SequenceForm(logic::ErrorReporter reporter, QWidget* parent = nullptr);

    [[nodiscard]] std::u16string Caption(std::int16_t cell) const override;
    void SetCaption(std::int16_t cell, const std::u16string& caption) override;
    void SetUnderline(std::int16_t cell, bool underline) override;
    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QWidget* createControl(const design::ControlDesign& control, QWidget* container);
    void bindEvents();
    void setTabOrderFromDesign();
    [[nodiscard]] DigitCell* cellAt(std::int16_t cell) const;

    logic::SequenceForm logic_{*this};
    logic::HandlerGuard handlers_;
    std::array<DigitCell*, design::kDigitCellCount> cells_{};
    std::array<QPushButton*, 2> buttons_{};
    QPlainTextEdit* report_ = nullptr;
};

}  // namespace trivelan::qt
