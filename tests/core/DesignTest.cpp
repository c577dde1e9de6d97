#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/Accessibility.h"
#include "design/Colours.h"
#include "design/Commands.h"
#include "design/DigitRow.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "design/Twips.h"
#include "runtime/RuntimeError.h"

namespace {

namespace design = trivelan::design;

// A key counts only with its own Ctrl state: Ctrl+F1 is no help, a plain Plus
// no zoom. That each command's key gives it is the scenario table's.
TEST(Keyboard, TheCtrlKeyCounts) {
    for (const auto& binding : design::kKeyBindings) {
        EXPECT_EQ(design::CommandFor(binding.key, !binding.control), std::nullopt)
            << static_cast<int>(binding.key);
    }
}

// The first focus is the report box; every control is found where it
// stands. Which controls a press gives the focus, and the walk round both
// ways, are the scenario table's; which have a menu, the page's own test's.
TEST(Focus, TheFirstStopIsTheReportAndEveryControlIsFoundWhereItStands) {
    const auto all = design::AllControls();
    EXPECT_EQ(design::ControlName(all.at(design::FirstFocus())), "Text1(0)");
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(design::PositionOf(all.at(i)), i);
    EXPECT_EQ(design::ControlName(design::DigitCell(3), "_", ""), "Label2_3");
}

// In a high-contrast theme every control the design colours takes a pair of
// the system's, made to be read together: a push button the button pair, the
// rest the window pair.
TEST(Colours, AHighContrastThemeGivesEachControlTheSystemsPair) {
    using design::SystemColour;
    for (const design::ControlDesign& control : design::AllControls()) {
        const auto paint = design::PaintOf(control, true);
        if (!paint) continue;
        const bool button = control.kind == design::ControlKind::PushButton;
        EXPECT_EQ(std::get<SystemColour>(paint->background),
                  button ? SystemColour::ButtonFace : SystemColour::Window)
            << design::ControlName(control);
        EXPECT_EQ(std::get<SystemColour>(paint->text),
                  button ? SystemColour::ButtonText : SystemColour::WindowText)
            << design::ControlName(control);
    }
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

// A press pairs only with an earlier one: after the clock went back (a changed
// system time) a press on the same cell still counts. The pairs a pupil makes
// are the scenario table's.
TEST(RowPresses, AClockThatWentBackMakesNoDoubleClick) {
    design::RowInput row{};
    EXPECT_TRUE(row.Press(2, 1000, 500));
    EXPECT_TRUE(row.Press(2, 900, 500));
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

// Twips to the nearest pixel, halves away from zero, and just under a half down;
// a rectangle by its edges, so that neighbours still meet.
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
    // Neighbours that meet in twips meet in pixels, with no gap between them.
    const design::PixelRect left = design::ToPixels({}, 8, 0, 8, 8);
    EXPECT_EQ(left.left + left.width, design::ToPixels({}, 16, 0, 8, 8).left);
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
    EXPECT_EQ(design::ToLineFeeds(u"a\rb\r"), u"a\rb\r");      // a lone CR stays
    EXPECT_EQ(design::Wrap(u"aa bbb cc", 5), u"aa\nbbb\ncc");  // no line wider than asked
}

}  // namespace
