#pragma once

#include <optional>
#include <string>

#include "ControlFactory.h"
#include "DigitRow.h"
#include "Js.h"
#include "ReaderNotice.h"
#include "design/FormEvents.h"
#include "design/WindowRules.h"
#include "logic/SequenceView.h"

namespace trivelan::web {

// The program's window as a web page. It builds its elements from the design
// table, carries out the view contract, forwards clicks, taps and keys to the
// form's logic and the design's rules, and fits the design to the browser
// window; it decides nothing. The browser's own zoom and full screen stay the
// browser's.
class SequenceForm final : public logic::SequenceView {
  public:
    explicit SequenceForm(logic::ErrorReporter reporter);

    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

    // The page's events, as the browser delivers them.
    void OnEvent(Event kind, int index, const Js& event);
    // Scales the design to the browser window, whole and centred.
    void FitToWindow();
    // After a run-time error nothing on the page can be pressed.
    void Stop();

    [[nodiscard]] design::Screen Screen() const;
    // The scale the design is drawn at in the browser window.
    [[nodiscard]] design::Scale FitScale() const { return scale_; }

  private:
    [[nodiscard]] std::u16string CellCaption(std::size_t cell) const override;
    void SetCellCaption(std::size_t cell, const std::u16string& caption) override;
    void SetCellUnderline(std::size_t cell, bool underline) override;
    void BindEvents();
    void PassOnEarlyPresses();
    // The page's address names the row as it is now, with no new history entry.
    void FollowRow();
    static void NameInAddress(std::u16string_view row);
    [[nodiscard]] std::u16string Row() const;
    void OnCellPress(int cell, const Js& event);
    void OnCellKey(const Js& event);
    void OnButtonClick(int button);
    // Tells a screen reader what a click changed.
    void Tell(const std::optional<design::ReaderNews>& news);
    void OnFormPress(const Js& event);
    void OnFormMenu(const Js& event);
    void OnReportEdit(const Js& event);
    void OnPageKey(const Js& event);
    // The design row of an element of the form, or of what holds it; nullptr for none.
    [[nodiscard]] const design::ControlDesign* ControlOf(Js element) const;
    // The element that takes the focus for a control: the row's marked cell for the frame.
    [[nodiscard]] Js FocusTarget(std::size_t position) const;

    Js document_;
    Controls controls_;
    ReaderNotice notice_;
    DigitRow row_;
    design::WindowRules rules_{design::Window::Page};
    design::Scale scale_;
    Js written_ = Js::Null();   // the report as the program last wrote it
    std::u16string addressed_;  // the row the address names, or would name
    design::FormEvents events_;
};

}  // namespace trivelan::web
