#pragma once

#include <optional>
#include <vector>

#include "FakeView.h"
#include "design/Presenter.h"

namespace trivelan::testing {

// A window that keeps what the presenter asks of it: the rules' tests, and the
// scenario table in-process, run against it.
class FakeWindow final : public FakeViewOn<design::WindowView> {
  public:
    void Place(const design::Placement& placed) override {
        placement = placed;
        if (placed.moveTo) position = *placed.moveTo;
    }
    void MarkCell(int cell) override { mark = cell; }
    void Focus(std::size_t position) override { focus = position; }
    void Beep() override { ++beeps; }
    void SelectReport() override { reportSelected = true; }
    void ShowHelp(const design::HelpBox& box) override { help = box; }
    void Announce(const design::ReaderNews& news) override { told.push_back(news); }
    [[nodiscard]] design::Screen ScreenNow() const override { return screen; }
    [[nodiscard]] design::Point Position() const override { return position; }
    [[nodiscard]] std::optional<std::size_t> Focused() const override { return focus; }

    // A 1920 × 1080 monitor with a task bar, and a window frame.
    design::Screen screen{{0, 0, 1920, 1080}, {0, 0, 1920, 1040}, 1.0, {2, 24}};
    design::Point position{100, 100};
    std::optional<design::Placement> placement;
    int mark = -1;
    std::optional<std::size_t> focus;
    int beeps = 0;
    bool reportSelected = false;
    std::optional<design::HelpBox> help;
    std::vector<design::ReaderNews> told;
};

}  // namespace trivelan::testing
