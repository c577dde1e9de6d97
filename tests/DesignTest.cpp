#include <gtest/gtest.h>

#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/RowKeys.h"
#include "design/Twips.h"
#include "design/Zoom.h"

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
