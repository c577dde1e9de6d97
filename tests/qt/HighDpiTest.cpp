#include <QFontMetrics>
#include <QScreen>

#include "WindowFixture.h"
#include "design/FormDesign.h"

// Run with QT_SCALE_FACTOR=2: the layout stays in design units while Qt paints
// every pixel twice as fine.
namespace trivelan::testing {
namespace {

TEST_F(WindowTest, AtScaleTwoTheWindowKeepsItsProportions) {
    ASSERT_EQ(form->devicePixelRatio(), 2.0);
    EXPECT_EQ(form->size(), QSize(481, 363));
    const QImage shot = form->grab().toImage();
    EXPECT_EQ(shot.size(), QSize(962, 726));
    // Device pixels inside the first cell are white, the window around it blue.
    EXPECT_EQ(shot.pixelColor(2 * (40 + 16) + 3, 2 * (40 + 24) + 3), QColor(255, 255, 255));
    EXPECT_EQ(shot.pixelColor(6, 200), QColor(128, 128, 255));
    for (int k = 0; k < 15; ++k) {
        EXPECT_EQ(Cell(k)->geometry(), QRect(16 + 24 * k, 24, 25, 57)) << k;
    }
}

TEST_F(WindowTest, AtScaleTwoNoTextIsClipped) {
    for (const auto& c : design::AllControls()) {
        if (c.kind == design::ControlKind::TextBox) continue;  // text boxes wrap and scroll
        const QWidget* w = Control(QString::fromStdString(design::ControlName(c)));
        ASSERT_NE(w, nullptr);
        const QString text = ShownText(w);
        const QFontMetrics metrics(w->font());
        EXPECT_LE(metrics.horizontalAdvance(text), w->width()) << text.toStdString();
        EXPECT_LE(metrics.height(), w->height()) << text.toStdString();
    }
    EXPECT_EQ(QFontMetrics(Cell(0)->font()).horizontalAdvance(QStringLiteral("8")), 24);
}

}  // namespace
}  // namespace trivelan::testing
