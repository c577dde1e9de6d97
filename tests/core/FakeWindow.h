#pragma once

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "FakeView.h"
#include "design/Presenter.h"

namespace trivelan::testing {

// A window that keeps what the presenter asks of it: the rules' tests, and the
// scenario table in-process, run against it. Its report box is a plain
// toolkit's: the program's writes go on its undo list like typing, until the
// window is told the report is as the program wrote it.
class FakeWindow final : public FakeViewOn<design::WindowView> {
  public:
    // Built from the design, as every window is: the report shows its text.
    FakeWindow() { report = std::u16string(design::kReport.text); }

    void Place(const design::Placement& placed) override {
        placement = placed;
        if (placed.moveTo) position = *placed.moveTo;
    }
    void MarkCell(int cell) override { mark = cell; }
    void Focus(std::size_t position) override { focus = position; }
    void Beep() override { ++beeps; }
    void SelectReport() override { reportSelected = true; }
    void ShowHelp(const design::HelpBox& box) override {
        help = box;
        ++helpBoxes;
    }
    void Announce(const design::ReaderNews& news) override { told.push_back(news); }
    void ReportWritten() override {
        undo.clear();
        caret = 0;
        reportSelected = false;
    }
    void ShowAddress(const std::u16string& fragment) override { address = fragment; }
    [[nodiscard]] design::Screen ScreenNow() const override { return screen; }
    [[nodiscard]] design::Point Position() const override { return position; }
    [[nodiscard]] std::optional<std::size_t> Focused() const override { return focus; }

    // Typing into the report where the caret is, or over the whole text when
    // it is selected; undo takes back one write or typing at a time.
    void Type(const std::u16string& text) {
        undo.push_back(report);
        if (reportSelected) report.clear();
        caret = std::min(caret, report.size());
        if (reportSelected) caret = 0;
        report.insert(caret, text);
        caret += text.size();
        reportSelected = false;
    }
    void Undo() {
        if (undo.empty()) return;
        report = undo.back();
        undo.pop_back();
    }
    void SetReportText(const std::u16string& text) override {
        undo.push_back(report);
        FakeViewOn::SetReportText(text);
    }

    // A 1920 × 1080 monitor with a task bar, and a window frame.
    design::Screen screen{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 1.0, {2, 24}};
    design::Point position{100, 100};
    std::optional<design::Placement> placement;
    int mark = -1;
    std::optional<std::size_t> focus;
    int beeps = 0;
    bool reportSelected = false;
    std::optional<design::HelpBox> help;  // the last shown
    int helpBoxes = 0;                    // open now
    std::vector<design::ReaderNews> told;
    std::u16string address;
    std::vector<std::u16string> undo;
    std::size_t caret = 0;
};

}  // namespace trivelan::testing
