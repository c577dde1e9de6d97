#pragma once

#include <QWidget>
#include <optional>

#include "ControlFactory.h"
#include "design/Commands.h"
#include "design/FormEvents.h"
#include "design/WindowRules.h"
#include "logic/SequenceView.h"

namespace trivelan::qt {

class DigitCell;
class ReaderNotice;

// The program's window. It builds its controls from the design table, carries
// out the view contract, forwards clicks to the form's logic and the classroom
// keys to the presentation rules, and draws what they say; it decides nothing.
class SequenceForm final : public QWidget, public logic::SequenceView {
    Q_OBJECT
  public:
    // The window, started with the row the user gave, if any.
    explicit SequenceForm(logic::ErrorReporter reporter, const design::RowReading& start = {},
                          QWidget* parent = nullptr);

    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

    [[nodiscard]] int zoom() const { return rules_.Zoom(); }
    [[nodiscard]] bool isFullScreen() const { return rules_.IsFullScreen(); }
    // A classroom command, as its key gives it.
    void apply(design::Command command);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void bindEvents();
    void setTabOrderFromDesign();
    // Tells a screen reader what a click changed.
    void tell(const std::optional<design::ReaderNews>& news);
    // Places every control and sets its font for the placement, and the
    // window's own size and state.
    void layOut(const design::Placement& placement);
    [[nodiscard]] std::u16string CellCaption(std::size_t cell) const override;
    void SetCellCaption(std::size_t cell, const std::u16string& caption) override;
    void SetCellUnderline(std::size_t cell, bool underline) override;

    design::FormEvents events_;
    Controls controls_;
    ReaderNotice* notice_;
    design::WindowRules rules_{design::Window::Desktop};
};

}  // namespace trivelan::qt
