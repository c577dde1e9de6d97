#pragma once

#include <optional>
#include <string>

#include "ControlFactory.h"
#include "DigitRow.h"
#include "Js.h"
#include "ReaderNotice.h"
#include "design/Presenter.h"

namespace trivelan::web {

// The program's window as a web page: the first frame's elements, taken over,
// which carry out what the design's presenter asks and hand it the browser's
// events. The browser's own zoom and full screen stay the browser's.
class SequenceForm final : public design::WindowView {
  public:
    explicit SequenceForm(logic::ErrorReporter reporter);

    [[nodiscard]] std::u16string ReportText() const override;
    void SetReportText(const std::u16string& text) override;

    // The page's events, as the browser delivers them.
    void OnEvent(Event kind, int index, const Js& event);
    // After a run-time error nothing on the page can be pressed.
    void Stop();

    [[nodiscard]] design::Screen ScreenNow() const override;
    // The scale the design is drawn at in the browser window.
    [[nodiscard]] design::Scale FitScale() const { return presenter_.Placed().scale; }

  private:
    [[nodiscard]] std::u16string CellCaption(std::size_t cell) const override;
    void SetCellCaption(std::size_t cell, const std::u16string& caption) override;
    void SetCellUnderline(std::size_t cell, bool underline) override;

    void Place(const design::Placement& placement) override;
    void MarkCell(int cell) override;
    void Focus(std::size_t position) override;
    void Beep() override {}  // a page has no beep of its own
    void SelectReport() override;
    void ShowHelp(const design::HelpBox& box) override;
    void Announce(const design::ReaderNews& news) override;
    void ReportWritten() override;
    void ShowAddress(const std::u16string& fragment) override;
    [[nodiscard]] design::Point Position() const override { return {0, 0}; }
    [[nodiscard]] std::optional<std::size_t> Focused() const override;

    void BindEvents();
    void PassOnEarlyPresses();
    // Only the main button's press, and only the first finger's.
    [[nodiscard]] static bool IsMainPress(const Js& event);
    void OnButtonClick(int index);
    void OnCellKey(const Js& event);
    void OnFormPress(const Js& event);
    void OnFormMenu(const Js& event);
    void OnReportEdit(const Js& event);
    // The design row of an element of the form, or of what holds it; nullptr for none.
    [[nodiscard]] const design::ControlDesign* ControlOf(Js element) const;

    Js document_;
    Controls controls_;
    ReaderNotice notice_;
    DigitRow row_;
    Js written_ = Js::Null();  // the report as the program last wrote it
    design::Presenter presenter_;
};

}  // namespace trivelan::web
