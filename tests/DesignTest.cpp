#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "design/Accessibility.h"
#include "design/Commands.h"
#include "design/DigitRow.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Presentation.h"
#include "design/Twips.h"
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

TEST(Keyboard, EachClassroomKeyGivesItsCommand) {
    using design::Command;
    using design::Key;
    const struct {
        Key key;
        bool control;
        std::optional<Command> command;
    } cases[] = {{Key::Plus, true, Command::ZoomIn},
                 {Key::Equal, true, Command::ZoomIn},
                 {Key::KeypadPlus, true, Command::ZoomIn},
                 {Key::Minus, true, Command::ZoomOut},
                 {Key::KeypadMinus, true, Command::ZoomOut},
                 {Key::Zero, true, Command::NoZoom},
                 {Key::F11, false, Command::ToggleFullScreen},
                 {Key::Escape, false, Command::LeaveFullScreen},
                 {Key::F1, false, Command::Help},
                 {Key::A, true, Command::SelectAllReport},
                 {Key::Plus, false, std::nullopt},
                 {Key::A, false, std::nullopt},
                 {Key::F1, true, std::nullopt}};
    for (const auto& c : cases) {
        EXPECT_EQ(design::CommandFor(c.key, c.control), c.command) << static_cast<int>(c.key);
    }
}

// Tab walks report box, check, clear and the row, which stands in its frame's
// place; the hidden motto box sits between, as the design numbers it.
TEST(Keyboard, TabStopsFollowTheTabIndexes) {
    const auto all = design::AllControls();
    std::vector<std::string> stops;
    for (const std::size_t position : design::TabOrder()) {
        if (design::IsTabStop(all.at(position))) {
            stops.push_back(std::string(all.at(position).name) +
                            std::to_string(all.at(position).index));
        }
    }
    EXPECT_EQ(stops,
              (std::vector<std::string>{"Text10", "Text11", "Command10", "Command11", "Frame1-1"}));
    for (std::size_t i = 0; i < all.size(); ++i) EXPECT_EQ(design::PositionOf(all.at(i)), i);
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

TEST(RowKeys, AnIndexOutsideTheRowIsRuntimeError340AndTheMarkIsVisible) {
    for (const std::int16_t cell : {-1, 15, 32767, -32768}) {
        try {
            (void)design::CellIndex(cell);
            ADD_FAILURE() << cell;
        } catch (const trivelan::runtime::RuntimeError& error) {
            EXPECT_EQ(error.Number(), 340);
        }
    }
    EXPECT_EQ(design::CellIndex(14), 14U);
    EXPECT_EQ(design::MarkWidth(57), 2);
    EXPECT_EQ(design::MarkWidth(171), 8);
}

TEST(RowKeys, MoveTheMarkAndStopAtTheEnds) {
    using design::RowKey;
    const struct {
        int from;
        RowKey key;
        int to;
    } cases[] = {{0, RowKey::Left, 0},    {0, RowKey::Right, 1},   {7, RowKey::Left, 6},
                 {13, RowKey::Right, 14}, {14, RowKey::Right, 14}, {9, RowKey::Home, 0},
                 {3, RowKey::End, 14}};
    for (const auto& c : cases) {
        EXPECT_EQ(design::MoveInRow(c.from, c.key), c.to) << c.from;
    }
}

TEST(Help, RepeatsTheStatementAndNamesTheKeysVersionAndLicence) {
    const std::u16string help = design::HelpText();
    for (const std::u16string_view part :
         {design::kStatement, std::u16string_view(u"F11"), std::u16string_view(u"Ctrl+0"),
          std::u16string_view(u"Версия 1.00\r\n"),
          std::u16string_view(u"GNU General Public License, версия 3 или по-нова")}) {
        EXPECT_NE(help.find(part), std::u16string::npos);
    }
}

}  // namespace
