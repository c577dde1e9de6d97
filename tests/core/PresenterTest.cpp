// The rules every window follows, against a fake window: what the design's
// presenter asks of it for each event a toolkit hands over.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

#include "FakeWindow.h"
#include "design/Presenter.h"

namespace trivelan::testing {
namespace {

struct Fixture {
    FakeWindow window;
    std::vector<int> errors;
    design::Presenter presenter{
        window, design::Window::Desktop,
        [this](const runtime::RuntimeError& e) { errors.push_back(e.Number()); }};
    Fixture() { presenter.Load(); }
};

// A run-time error in a handler is reported once, and no handler runs after
// it: the window is not touched again, whatever is pressed.
TEST(Presenter, ARuntimeErrorIsReportedOnceAndEndsEventHandling) {
    Fixture f;
    f.window.captions[4] = u"32767";  // a caption the program itself never writes
    f.presenter.CellActivated(4);
    EXPECT_EQ(f.errors, std::vector<int>{6});
    EXPECT_TRUE(f.presenter.Stopped());
    f.window.calls.clear();
    f.presenter.CellActivated(0);
    f.presenter.ButtonClicked(0);
    EXPECT_FALSE(f.presenter.CellKey(design::RowKey::Space, true, false));
    EXPECT_EQ(f.errors, std::vector<int>{6});
    EXPECT_TRUE(f.window.calls.empty());
    EXPECT_TRUE(f.window.told.empty());
}

// What a screen reader is told after each click: the cell's new name, as the
// focused control's new name only when the cell has the focus; the verdict on
// one line after a check; nothing after "Чисти".
TEST(Presenter, TellsAReaderEachCellsNewNameAndEachVerdict) {
    Fixture f;
    f.window.focus = design::PositionOf(design::DigitCell(0));
    f.presenter.CellKey(design::RowKey::Space, true, false);
    f.presenter.CellActivated(0);
    f.presenter.CellPressed(14, 0, 500);
    f.presenter.CellReleased(14, true);
    f.presenter.ButtonClicked(0);
    f.presenter.ButtonClicked(1);
    std::vector<std::u16string> said;
    for (const auto& news : f.window.told) {
        said.push_back(news.text + (news.focusRenamed ? u" (the focus's new name)" : u""));
    }
    EXPECT_EQ(said, (std::vector<std::u16string>{
                        u"Позиция 1: 1 (the focus's new name)",
                        u"Позиция 1: 2 (the focus's new name)", u"Позиция 15: 1",
                        u"Номерата: 200000000000001 и 100000000000002 са различни. Редицата не е "
                        u"балансирана! "}));
}

// A press and its release on one cell, inside it, is a click, unless it is
// the second of a double click; a reader's action is one whole click, never
// half a pair; the page's click after a press is that press's release, and
// with none before it a reader's. On the page's first frame, before the
// program started, a press and a click count as they would have (Early: the
// control at that position in the design's table): a button clicks on its
// click, not its press.
TEST(Presenter, APressAndItsReleaseOnOneCellIsAClick) {
    enum What { Press, Release, Outside, PageClick, Reader, Early, EarlyClick };
    const auto at = [](const design::ControlDesign& control) {
        return static_cast<int>(design::PositionOf(control));
    };
    struct Step {
        What what;
        int cell;
        int time = 0;
    };
    const struct {
        std::vector<Step> steps;
        const char16_t* row;
    } cases[] = {
        {{{Press, 3}, {Release, 3}}, u"000100000000000"},
        {{{Press, 3}, {Outside, 3}}, u"000000000000000"},
        {{{Press, 3}, {Release, 4}}, u"000000000000000"},
        {{{Press, 3}, {Release, 3}, {Press, 3, 100}, {Release, 3}}, u"000100000000000"},
        {{{Press, 3}, {Release, 3}, {Press, 3, 900}, {Release, 3}}, u"000200000000000"},
        {{{Press, 3}, {Release, 3}, {Press, 3, 100}, {Release, 3}, {Reader, 3}},
         u"000200000000000"},
        {{{Press, 3}, {PageClick, 3}, {Press, 3, 100}, {PageClick, 3}}, u"000100000000000"},
        {{{PageClick, 3}, {PageClick, 3}}, u"000200000000000"},
        {{{Early, at(design::DigitCell(3))}, {EarlyClick, at(design::DigitCell(3))}},
         u"000100000000000"},
        {{{Press, 3}, {Release, 3}, {Early, at(design::kClear)}}, u"000100000000000"},
        {{{Press, 3}, {Release, 3}, {EarlyClick, at(design::kClear)}}, u"000000000000000"},
    };
    for (const auto& c : cases) {
        Fixture f;
        for (const Step& step : c.steps) {
            switch (step.what) {
                case Press:
                    f.presenter.CellPressed(step.cell, step.time, 500);
                    break;
                case Release:
                case Outside:
                    f.presenter.CellReleased(step.cell, step.what == Release);
                    break;
                case PageClick:
                    f.presenter.CellClicked(step.cell);
                    break;
                case Reader:
                    f.presenter.CellActivated(step.cell);
                    break;
                case Early:
                case EarlyClick:
                    f.presenter.EarlyEvent(static_cast<std::size_t>(step.cell),
                                           step.what == EarlyClick, step.time);
                    break;
            }
        }
        EXPECT_EQ(f.window.Row(), c.row) << &c - cases;
    }
}

// Space clicks on its way down, once for a held key; its way up is the row's
// too, so that no toolkit's button clicks again. The arrows move the mark, and
// the focus with it when the row has it.
TEST(Presenter, SpaceClicksOnTheWayDownAndTheFocusFollowsTheMark) {
    Fixture f;
    f.window.focus = design::PositionOf(design::DigitCell(0));
    EXPECT_TRUE(f.presenter.CellKey(design::RowKey::Space, true, false));
    EXPECT_TRUE(f.presenter.CellKey(design::RowKey::Space, true, true));
    EXPECT_TRUE(f.presenter.CellKey(design::RowKey::Space, false, false));
    EXPECT_FALSE(f.presenter.CellKey(design::RowKey::Right, false, false));
    EXPECT_EQ(f.window.Row(), u"100000000000000");
    f.presenter.CellKey(design::RowKey::End, true, false);
    EXPECT_EQ(f.window.mark, 14);
    EXPECT_EQ(f.window.focus, design::PositionOf(design::DigitCell(14)));
    f.window.focus = design::PositionOf(design::kReport);
    f.presenter.CellKey(design::RowKey::Home, true, false);
    EXPECT_EQ(f.window.mark, 0);
    EXPECT_EQ(f.window.focus, design::PositionOf(design::kReport));
}

// Select-all only in the report; a zoom past the screen beeps; the page has
// no zoom of its own; a new screen (a monitor's dots per inch) leaves full
// screen where it is and moves any other window where the system suggests; the
// design stands centred in full screen and in the page. One help box at a time
// is the scenario table's.
TEST(Presenter, WhatAWindowDoesForEachCommand) {
    using design::Command;
    for (const design::Window kind : {design::Window::Desktop, design::Window::Page}) {
        FakeWindow window;
        window.screen = {{0, 0, 1024, 768}, {0, 0, 1024, 740}, 1.0, {8, 30}};
        design::Presenter presenter(window, kind, [](const runtime::RuntimeError&) {});
        presenter.Load();
        window.focus = design::PositionOf(design::kCheck);
        presenter.Apply(Command::SelectAllReport);
        const bool selectedElsewhere = window.reportSelected;
        window.focus = design::PositionOf(design::kReport);
        presenter.Apply(Command::SelectAllReport);
        const int placed = window.placement->client.width;
        for (int n = 0; n < 4; ++n) presenter.Apply(Command::ZoomIn);
        presenter.Apply(Command::ToggleFullScreen);
        const design::Point before = window.position;
        presenter.ScreenChanged(design::Point{7, 7});
        const design::Placement& now = *window.placement;
        const design::PixelRect shown =
            design::ToPixels(now.scale, 0, 0, design::kClientWidth, design::kClientHeight);
        const bool centred = std::abs(2 * now.origin.x + shown.width - now.client.width) <= 1 &&
                             std::abs(2 * now.origin.y + shown.height - now.client.height) <= 1;
        EXPECT_EQ(std::make_tuple(selectedElsewhere, window.reportSelected, window.beeps,
                                  presenter.Zoom(), presenter.IsFullScreen(),
                                  window.position == before, centred),
                  kind == design::Window::Desktop
                      // 200 % with its frame is taller than the work area
                      ? std::make_tuple(false, true, 2, 150, true, true, true)
                      : std::make_tuple(false, true, 0, 100, false, false, true));
        EXPECT_EQ(window.placement->client.width, kind == design::Window::Desktop ? 1024 : placed);
    }
}

}  // namespace
}  // namespace trivelan::testing
