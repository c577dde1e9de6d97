#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/Accessibility.h"
#include "design/Commands.h"
#include "design/DigitRow.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "design/Twips.h"
#include "design/WindowRules.h"
#include "runtime/RuntimeError.h"

namespace {

namespace design = trivelan::design;

TEST(Zoom, StepsThroughTheClassroomSizesAndStopsAtTheEnds) {
    const struct {
        int from;
        int in;
        int out;
    } cases[] = {{100, 125, 100}, {125, 150, 100}, {150, 200, 125},
                 {200, 250, 150}, {250, 300, 200}, {300, 300, 250}};
    for (const auto& c : cases) {
        EXPECT_EQ(design::ZoomIn(c.from), c.in) << c.from;
        EXPECT_EQ(design::ZoomOut(c.from), c.out) << c.from;
    }
}

// At every zoom the fifteen cells still read as one strip: each overlaps its
// right-hand neighbour, and the strip keeps its margins inside the frame.
TEST(Zoom, TheDigitRowStaysOneStripAtEveryStep) {
    for (const int percent : design::kZoomSteps) {
        const design::Scale scale{design::ZoomFactor(percent)};
        const auto frame = design::ToPixels(scale, design::kFrame1.left, design::kFrame1.top,
                                            design::kFrame1.width, design::kFrame1.height);
        for (int k = 0; k < design::kDigitCellCount; ++k) {
            const auto c = design::DigitCell(k);
            const auto cell = design::ToPixels(scale, design::WindowLeft(c), design::WindowTop(c),
                                               c.width, c.height);
            EXPECT_GT(cell.left, frame.left) << percent << "% cell " << k;
            EXPECT_LT(cell.left + cell.width, frame.left + frame.width)
                << percent << "% cell " << k;
            if (k + 1 == design::kDigitCellCount) continue;
            const auto n = design::DigitCell(k + 1);
            EXPECT_GE(cell.left + cell.width, scale.Pixels(design::WindowLeft(n)))
                << percent << "% gap after cell " << k;
        }
    }
}

TEST(FullScreen, TheLargestScaleThatFitsCentred) {
    const struct {
        int width;
        int height;
    } screens[] = {{1920, 1080}, {1024, 768}, {800, 600}, {481, 363}, {3840, 2160}, {1080, 1920}};
    for (const auto& s : screens) {
        const design::ScreenFit fit = design::FitToScreen(s.width, s.height);
        const int width = fit.scale.Pixels(design::kClientWidth);
        const int height = fit.scale.Pixels(design::kClientHeight);
        EXPECT_LE(width, s.width) << s.width << "x" << s.height;
        EXPECT_LE(height, s.height) << s.width << "x" << s.height;
        // Fills one dimension, to the pixel.
        EXPECT_TRUE(s.width - width <= 1 || s.height - height <= 1) << s.width << "x" << s.height;
        EXPECT_EQ(fit.left, (s.width - width) / 2);
        EXPECT_EQ(fit.top, (s.height - height) / 2);
    }
    EXPECT_EQ(design::FitToScreen(481, 363).scale.factor, 1.0);
}

// A screen as a window reports it: the whole monitor, its work area, the
// device scale and the window frame's extra pixels.
design::Screen ScreenOf(int width, int height, int dpi, design::Size frame = {8, 31}) {
    return {{0, 0, width, height}, {0, 0, width, height - 40}, dpi / 96.0, frame};
}

// Ctrl+Plus stops at the largest step whose window fits the work area; the
// screens are those a new user tried, where the window grew off the screen.
TEST(Presentation, ZoomStopsAtTheLargestStepThatFitsTheWorkArea) {
    const struct {
        int width;
        int height;
        int dpi;
        int top;
    } cases[] = {{1280, 1000, 96, 250}, {1280, 1000, 144, 150}, {1280, 1000, 192, 125},
                 {3840, 2160, 96, 300}, {1024, 768, 96, 150},   {481, 363, 96, 100}};
    for (const auto& c : cases) {
        const design::Screen screen = ScreenOf(c.width, c.height, c.dpi);
        design::Presentation presentation;
        int refusals = 0;
        for (int press = 0; press < 8; ++press) {
            refusals += presentation.Apply(design::Command::ZoomIn, screen, {0, 0}).refused;
        }
        EXPECT_EQ(presentation.Zoom(), c.top) << c.width << "x" << c.height << " " << c.dpi;
        EXPECT_GT(refusals, 0);
        const design::Placement p = presentation.Place(screen);
        EXPECT_TRUE(presentation.Fits(c.top, screen));
        if (c.top == design::kNoZoom) continue;  // the floor, whatever the screen
        EXPECT_LE(p.client.width + screen.frame.width, screen.workArea.width);
        EXPECT_LE(p.client.height + screen.frame.height, screen.workArea.height);
    }
}

// In full screen the screen decides the size; a zoom there is kept for later,
// and leaving full screen brings back the zoom and the place the window had.
TEST(Presentation, FullScreenKeepsTheZoomAndLeavingRestoresThePlace) {
    const design::Screen screen = ScreenOf(1920, 1080, 96, {0, 0});
    design::Presentation presentation;
    presentation.Apply(design::Command::ZoomIn, screen, {0, 0});
    const auto entered = presentation.Apply(design::Command::ToggleFullScreen, screen, {70, 40});
    ASSERT_TRUE(entered.placement);
    EXPECT_TRUE(entered.placement->fullScreen);
    EXPECT_EQ(entered.placement->client, (design::Size{1920, 1080}));
    EXPECT_EQ(entered.placement->moveTo, (design::Point{0, 0}));
    const design::ScreenFit fit = design::FitToScreen(1920, 1080);
    EXPECT_EQ(entered.placement->origin, (design::Point{fit.left, fit.top}));
    const auto zoomed = presentation.Apply(design::Command::ZoomIn, screen, {0, 0});
    ASSERT_TRUE(zoomed.placement);
    EXPECT_EQ(zoomed.placement->scale.factor, fit.scale.factor);
    EXPECT_EQ(presentation.Zoom(), 150);
    for (const design::Command leave :
         {design::Command::LeaveFullScreen, design::Command::ToggleFullScreen}) {
        if (leave == design::Command::ToggleFullScreen) {
            presentation.Apply(design::Command::ToggleFullScreen, screen, {70, 40});
        }
        const auto left = presentation.Apply(leave, screen, {0, 0});
        ASSERT_TRUE(left.placement);
        EXPECT_FALSE(left.placement->fullScreen);
        EXPECT_EQ(left.placement->client, (design::Size{722, 545}));
        EXPECT_EQ(left.placement->moveTo, (design::Point{70, 40}));
        EXPECT_FALSE(
            presentation.Apply(design::Command::LeaveFullScreen, screen, {0, 0}).placement);
    }
}

// The help box fits the work area at every dpi and zoom, its button inside it
// and its text above the button; the text keeps the design's size where it fits.
TEST(Help, TheBoxFitsTheWorkAreaAtEveryDpiAndZoom) {
    for (const int dpi : {96, 120, 144, 192}) {
        for (const int percent : design::kZoomSteps) {
            const design::Screen screen = ScreenOf(1280, 1000, dpi);
            const design::Scale scale{dpi / 96.0 * design::ZoomFactor(percent)};
            const design::HelpPlacement help = design::PlaceHelp(scale, screen);
            SCOPED_TRACE(std::to_string(dpi) + " dpi " + std::to_string(percent) + "%");
            EXPECT_GE(help.position.x, 0);
            EXPECT_GE(help.position.y, 0);
            EXPECT_LE(help.position.x + help.client.width + screen.frame.width, 1280);
            EXPECT_LE(help.position.y + help.client.height + screen.frame.height, 960);
            EXPECT_LE(help.button.left + help.button.width, help.client.width);
            EXPECT_LE(help.button.top + help.button.height, help.client.height);
            EXPECT_LT(help.text.top + help.text.height, help.button.top);
            EXPECT_GT(help.text.height, 0);
        }
    }
    const design::HelpPlacement designed = design::PlaceHelp({1.0}, ScreenOf(1280, 1000, 96));
    EXPECT_EQ(designed.client, (design::Size{481, 480}));
}

// Every classroom command has a key, and a key counts only with its own Ctrl
// state: Ctrl+F1 is no help, a plain Plus no zoom.
TEST(Keyboard, EveryCommandHasAKeyAndTheCtrlKeyCounts) {
    using design::Command;
    for (const auto& binding : design::kKeyBindings) {
        EXPECT_EQ(design::CommandFor(binding.key, !binding.control), std::nullopt)
            << static_cast<int>(binding.key);
    }
    for (const Command command :
         {Command::ZoomIn, Command::ZoomOut, Command::NoZoom, Command::ToggleFullScreen,
          Command::LeaveFullScreen, Command::Help, Command::SelectAllReport}) {
        EXPECT_TRUE(std::any_of(design::kKeyBindings.begin(), design::kKeyBindings.end(),
                                [command](const auto& b) { return b.command == command; }))
            << static_cast<int>(command);
    }
}

// Tab walks report box, check, clear and the row, which stands in its frame's
// place, and goes round both ways; the hidden motto box is no stop. The first
// focus is the report box; a press takes the focus only on buttons and text boxes.
TEST(Focus, TabStopsGoRoundBothWaysInTheOrderOfTheTabIndexes) {
    const auto all = design::AllControls();
    const auto name = [&all](std::size_t position) {
        return design::ControlName(all.at(position));
    };
    std::vector<std::string> forward;
    std::vector<std::string> backward;
    std::size_t at = design::FirstFocus();
    std::size_t back = at;
    for (int step = 0; step < 5; ++step) {
        forward.push_back(name(at));
        backward.push_back(name(back));
        at = design::NextTabStop(at, true);
        back = design::NextTabStop(back, false);
    }
    EXPECT_EQ(forward, (std::vector<std::string>{"Text1(0)", "Command1(0)", "Command1(1)", "Frame1",
                                                 "Text1(0)"}));
    EXPECT_EQ(backward, (std::vector<std::string>{"Text1(0)", "Frame1", "Command1(1)",
                                                  "Command1(0)", "Text1(0)"}));
    std::vector<std::string> takeFocus;
    std::vector<std::string> menus;
    for (std::size_t i = 0; i < all.size(); ++i) {
        EXPECT_EQ(design::PositionOf(all.at(i)), i);
        if (design::TakesFocusOnPress(all.at(i))) takeFocus.push_back(name(i));
        if (design::HasOwnMenu(all.at(i))) menus.push_back(name(i));
    }
    EXPECT_EQ(takeFocus,
              (std::vector<std::string>{"Command1(0)", "Command1(1)", "Text1(0)", "Text1(1)"}));
    EXPECT_EQ(menus, (std::vector<std::string>{"Text1(0)", "Text1(1)"}));
    EXPECT_EQ(design::ControlName(design::DigitCell(3), "_", ""), "Label2_3");
    const std::size_t cell = design::PositionOf(design::DigitCell(7));
    EXPECT_EQ(name(design::NextTabStop(cell, true)), "Text1(0)");
    EXPECT_EQ(name(design::NextTabStop(cell, false)), "Command1(1)");
}

TEST(Accessibility, CaptionsFirstTextBoxesByNameCellsByPositionAndDigit) {
    const struct {
        design::ControlDesign control;
        std::u16string_view name;
    } cases[] = {{design::kLabel1, u"Тривелан"},
                 {design::kFrame1, u"Промяна цифрите чрез On-Click"},
                 {design::kCheck, u"Провери"},
                 {design::kClear, u"Чисти"},
                 {design::kReport, u"Отчет"},
                 {design::DigitCell(0), u"Позиция 1: 0"},
                 {design::DigitCell(14), u"Позиция 15: 0"}};
    for (const auto& c : cases) EXPECT_EQ(design::AccessibleName(c.control), c.name);
    EXPECT_EQ(design::CellName(2, u"5"), u"Позиция 3: 5");
}

TEST(RowKeys, TheMarkIsVisible) {
    EXPECT_EQ(design::MarkWidth(57), 2);
    EXPECT_EQ(design::MarkWidth(171), 8);
}

// The row's keys from a fresh row: the mark's cell after each key and the cell
// it clicks (-1: none); a held key clicks nothing more.
TEST(RowKeys, MoveTheMarkStopAtTheEndsAndClickOncePerPress) {
    using design::RowKey;
    const struct {
        RowKey key;
        bool repeated;
        int mark;
        int click;
    } steps[] = {{RowKey::Left, false, 0, -1},  {RowKey::Space, false, 0, 0},
                 {RowKey::Right, false, 1, -1}, {RowKey::Right, true, 2, -1},
                 {RowKey::Enter, false, 2, 2},  {RowKey::Enter, true, 2, -1},
                 {RowKey::End, false, 14, -1},  {RowKey::Right, false, 14, -1},
                 {RowKey::Space, true, 14, -1}, {RowKey::Left, false, 13, -1},
                 {RowKey::Home, false, 0, -1},  {RowKey::Space, false, 0, 0}};
    design::RowInput row;
    int n = 0;
    for (const auto& step : steps) {
        const design::RowKeyOutcome outcome = row.Key(step.key, step.repeated);
        EXPECT_EQ(outcome.mark, step.mark) << "step " << n;
        EXPECT_EQ(outcome.click.value_or(-1), step.click) << "step " << n;
        EXPECT_EQ(row.Mark(), step.mark) << "step " << n;
        ++n;
    }
}

// Presses as (cell, time in ms) with a 500 ms double-click time, and the
// clicks they give: the second press of a pair on one cell is none.
TEST(RowPresses, TheSecondPressOfADoubleClickOnOneCellIsNoClick) {
    const struct {
        const char* what;
        std::vector<std::pair<int, std::int64_t>> presses;
        std::vector<int> clicks;
    } cases[] = {
        {"one press", {{3, 1000}}, {3}},
        {"a double click", {{3, 1000}, {3, 1200}}, {3}},
        {"a triple click", {{3, 1000}, {3, 1100}, {3, 1200}}, {3, 3}},
        {"nine quick presses",
         {{5, 0}, {5, 100}, {5, 200}, {5, 300}, {5, 400}, {5, 500}, {5, 600}, {5, 700}, {5, 800}},
         {5, 5, 5, 5, 5}},
        {"slow presses", {{5, 0}, {5, 500}, {5, 1000}}, {5, 5, 5}},
        {"quick presses on neighbours", {{0, 0}, {1, 50}, {0, 100}, {1, 150}}, {0, 1, 0, 1}},
        {"a pair then a neighbour", {{2, 0}, {2, 50}, {3, 100}, {3, 150}}, {2, 3}},
        {"a clock that went back", {{2, 1000}, {2, 900}}, {2, 2}},
    };
    for (const auto& c : cases) {
        design::RowInput row{};
        std::vector<int> clicks;
        for (const auto& [cell, time] : c.presses) {
            if (row.Press(cell, time, 500)) clicks.push_back(cell);
        }
        EXPECT_EQ(clicks, c.clicks) << c.what;
    }
    for (int n = 1; n <= 9; ++n) {
        design::RowInput row{};
        int clicks = 0;
        for (int i = 0; i < n; ++i) clicks += row.Press(7, 100 * i, 400) ? 1 : 0;
        EXPECT_EQ(clicks, (n + 1) / 2) << n << " quick presses";
    }
}

// The page leaves zoom and full screen to the browser; its help lists only
// the keys it answers to.
TEST(Commands, EachWindowOffersItsOwnAndItsHelpNamesOnlyThose) {
    using design::Command;
    using design::Key;
    using design::Window;
    EXPECT_EQ(design::CommandFor(Key::F11, false, Window::Page), std::nullopt);
    EXPECT_EQ(design::CommandFor(Key::Plus, true, Window::Page), std::nullopt);
    EXPECT_EQ(design::CommandFor(Key::F1, false, Window::Page), Command::Help);
    EXPECT_EQ(design::CommandFor(Key::A, true, Window::Page), Command::SelectAllReport);
    const struct {
        Window window;
        bool listsZoom;
    } cases[] = {{Window::Desktop, true}, {Window::Page, false}};
    for (const auto& c : cases) {
        const std::u16string help = design::HelpText(c.window);
        for (const std::u16string_view part :
             {design::kStatement, std::u16string_view(u"Версия 1.00\r\n"),
              std::u16string_view(u"F1 — тази помощ"), std::u16string_view(u"Интервал или Enter"),
              std::u16string_view(u"GNU General Public License, версия 3 или по-нова")}) {
            EXPECT_NE(help.find(part), std::u16string::npos);
        }
        for (const std::u16string_view key : {u"Ctrl+0", u"F11", u"Ctrl+Плюс"}) {
            EXPECT_EQ(help.find(key) != std::u16string::npos, c.listsZoom);
        }
    }
}

// F1 with the help open keeps one box; select-all only in the report; a zoom
// past the screen beeps; the page has no zoom of its own.
TEST(Commands, WhatAWindowDoesForEachCommand) {
    using design::Command;
    using design::Effect;
    const design::Screen screen{{0, 0, 1024, 768}, {0, 0, 1024, 740}, 1.0, {8, 30}};
    design::WindowRules desktop(design::Window::Desktop);
    EXPECT_EQ(desktop.Apply(Command::Help, screen, {}, false).effect, Effect::ShowHelp);
    EXPECT_EQ(desktop.Apply(Command::Help, screen, {}, false).effect, Effect::Nothing);
    desktop.HelpClosed();
    EXPECT_EQ(desktop.Apply(Command::Help, screen, {}, false).effect, Effect::ShowHelp);
    EXPECT_EQ(desktop.Apply(Command::SelectAllReport, screen, {}, true).effect,
              Effect::SelectAllReport);
    EXPECT_EQ(desktop.Apply(Command::SelectAllReport, screen, {}, false).effect, Effect::Nothing);
    std::vector<Effect> zooms;
    for (int n = 0; n < 4; ++n)
        zooms.push_back(desktop.Apply(Command::ZoomIn, screen, {}, false).effect);
    EXPECT_EQ(zooms,
              (std::vector<Effect>{Effect::Place, Effect::Place, Effect::Beep, Effect::Beep}));
    EXPECT_EQ(desktop.Zoom(), 150);  // 200 % with its frame is taller than the work area
    design::WindowRules page(design::Window::Page);
    EXPECT_EQ(page.Apply(Command::ZoomIn, screen, {}, false).effect, Effect::Nothing);
    EXPECT_EQ(page.Apply(Command::ToggleFullScreen, screen, {}, false).effect, Effect::Nothing);
    EXPECT_EQ(page.Zoom(), 100);
}

// A screen reader hears a new verdict on one line; nothing for an unchanged or
// emptied report.
TEST(Accessibility, AnnouncesAChangedReportOnOneLine) {
    const std::u16string verdict =
        u"Поредният номер: 000000000000000 е палиндром.\r\nБалансирана редица в позиция: 1\r\n";
    const struct {
        std::u16string_view before;
        std::u16string_view after;
        std::optional<std::u16string> said;
    } cases[] = {
        {design::kStatement, verdict,
         u"Поредният номер: 000000000000000 е палиндром. Балансирана редица в позиция: 1"},
        {verdict, verdict, std::nullopt},
        {verdict, u"", std::nullopt},
        {u"", u"Редицата не е балансирана! \r\n", u"Редицата не е балансирана! "},
        {u"", u"a\rb", u"a\rb"},
    };
    for (const auto& c : cases) EXPECT_EQ(design::Announcement(c.before, c.after), c.said);
}

// Twips to the nearest pixel, halves away from zero, and just under a half down.
TEST(Twips, ToTheNearestPixelHalvesAwayFromZero) {
    const struct {
        double factor;
        int twips;
        int pixels;
    } cases[] = {{1.0, 0, 0},
                 {1.0, 7, 0},
                 {1.0, 8, 1},
                 {1.0, 15, 1},
                 {1.0, 22, 1},
                 {1.0, 23, 2},
                 {1.0, -7, 0},
                 {1.0, -8, -1},
                 {1.0, 7215, 481},
                 {1.25, 7215, 601},
                 {1.5, 5445, 545},
                 {2.0, -5445, -726},
                 {0.49999999999999994 * 15, 1, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(design::Scale{c.factor}.Pixels(c.twips), c.pixels) << c.factor << " " << c.twips;
    }
}

TEST(Text, LineEndsAreCrLfAtTheContractAndLineFeedsInTheBox) {
    const struct {
        std::u16string_view contract;
        std::u16string_view box;
    } cases[] = {{u"", u""},
                 {u"a\r\n", u"a\n"},
                 {u"ред 1\r\nред 2\r\n\r\n", u"ред 1\nред 2\n\n"},
                 {u"без край", u"без край"}};
    for (const auto& c : cases) {
        EXPECT_EQ(design::ToLineFeeds(c.contract), c.box);
        EXPECT_EQ(design::ToCrLf(c.box), c.contract);
    }
    EXPECT_EQ(design::ToLineFeeds(u"a\rb\r"), u"a\rb\r");  // a lone CR stays
}

}  // namespace
