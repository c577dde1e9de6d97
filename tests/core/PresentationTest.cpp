// How each window presents the design: zoom, full screen, the help box and
// what each window does for each of its commands.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "design/Commands.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Presentation.h"
#include "design/Twips.h"

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
        const std::u16string_view help = design::HelpText(c.window);
        for (const std::u16string_view part :
             {design::kStatement, std::u16string_view(u"Версия 1.00\r\n"),
              std::u16string_view(u"F1 — помощ"), std::u16string_view(u"Интервал или Enter"),
              std::u16string_view(u"GNU General Public License, версия 3 или по-нова")}) {
            EXPECT_NE(help.find(part), std::u16string::npos);
        }
        for (const std::u16string_view key : {u"Ctrl+0", u"F11", u"Ctrl+Плюс"}) {
            EXPECT_EQ(help.find(key) != std::u16string::npos, c.listsZoom);
        }
    }
}

}  // namespace
