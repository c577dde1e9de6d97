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
