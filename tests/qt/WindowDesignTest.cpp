#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>

#include "WindowFixture.h"
#include "design/FormDesign.h"
#include "design/Presentation.h"

namespace trivelan::testing {
namespace {

TEST_F(WindowTest, WindowHasItsDesignSizeCaptionIconAndFont) {
    EXPECT_EQ(form->size(), QSize(481, 363));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());  // not resizable
    EXPECT_EQ(form->windowTitle(), QStringLiteral("www.example.com  Тривелан"));
    EXPECT_EQ(form->font().pointSize(), 12);
    // fontconfig maps the name to a metric-compatible face.
    EXPECT_EQ(QFontInfo(form->font()).family(), QStringLiteral("Liberation Serif"));
    const QIcon icon = form->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_TRUE(icon.pixmap(32, 32).toImage().hasAlphaChannel());
}

// Every design colour is filled flat, as classic controls draw it, and the
// window colour stays off the report box, which keeps the toolkit's look.
TEST_F(WindowTest, ColoursAreFilledFlatWhereTheDesignPutsThem) {
    const QColor window(128, 128, 255);
    const struct {
        const char* control;
        QRect area;  // in the control's own pixels, clear of text, edges and focus marks
        QColor colour;
    } cases[] = {
        {"SequenceForm", QRect(2, 100, 30, 30), window},
        {"Label1(0)", QRect(4, 2, 100, 20), QColor(255, 192, 128)},
        {"Frame1", QRect(4, 30, 9, 50), window},  // inside, left of the cells
        {"Label2(0)", QRect(2, 1, 21, 6), QColor(255, 255, 255)},
        {"Command1(0)", QRect(6, 6, 16, 13), QColor(0, 255, 0)},
        {"Command1(1)", QRect(6, 6, 16, 13), QColor(255, 0, 0)},
    };
    for (const auto& c : cases) {
        QWidget* w = c.control == QLatin1String("SequenceForm")
                         ? form.get()
                         : Control(QString::fromLatin1(c.control));
        ASSERT_NE(w, nullptr);
        const QImage image = w->grab().toImage();
        int off = 0;
        for (int y = c.area.top(); y <= c.area.bottom(); ++y) {
            for (int x = c.area.left(); x <= c.area.right(); ++x)
                off += image.pixelColor(x, y) != c.colour;
        }
        EXPECT_EQ(off, 0) << c.control << ": pixels not " << c.colour.name().toStdString();
    }
    // Grabbed from the window, so that what shows through the report box counts too.
    const QImage report = form->grab(Report()->geometry()).toImage();
    int windowColoured = 0;
    for (int y = 0; y < report.height(); ++y) {
        for (int x = 0; x < report.width(); ++x)
            windowColoured += report.pixelColor(x, y) == window;
    }
    EXPECT_EQ(windowColoured, 0) << "the report box or its scroll bar took the window colour";
}

// A classic group box draws its top line through the middle of its caption,
// broken behind the caption's text.
TEST_F(WindowTest, FrameCaptionSitsOnTheFrameLine) {
    auto* frame = Control<QGroupBox>(QStringLiteral("Frame1"));
    const QImage image = frame->grab().toImage();
    const QColor window(128, 128, 255);
    int lineY = -1;
    for (int y = 0; y < 30 && lineY < 0; ++y) {
        if (image.pixelColor(frame->width() - 10, y) != window) lineY = y;
    }
    const QFontMetrics metrics(frame->font());
    EXPECT_NEAR(lineY, metrics.height() / 2, 2);
    // Behind the caption the row shows the window between the letters.
    int longestGap = 0;
    for (int x = 12, gap = 0; x < metrics.horizontalAdvance(frame->title()); ++x) {
        gap = image.pixelColor(x, lineY) == window ? gap + 1 : 0;
        longestGap = std::max(longestGap, gap);
    }
    EXPECT_GE(longestGap, 3) << "the line runs on behind the caption";
}

// The keyboard's mark on the focused cell is seen from the back row: at every
// zoom a ring at least two pixels and a thirtieth of the cell's height thick.
TEST_F(WindowTest, TheMarkIsSeenFromTheBackRow) {
    for (const int presses : {0, 5}) {  // 100 %, and Ctrl+Plus as far as it goes
        for (int n = 0; n < presses; ++n)
            QTest::keyClick(form.get(), Qt::Key_Plus, Qt::ControlModifier);
        qt::DigitCell* cell = Cell(0);
        cell->setFocus();
        ASSERT_TRUE(QTest::qWaitFor([cell] { return cell->hasFocus(); }));
        const QImage image = cell->grab().toImage();
        const QColor mark = cell->palette().color(QPalette::Highlight);
        int thickness = 0;
        for (int y = 0; y < image.height() / 2; ++y)
            thickness += image.pixelColor(image.width() / 2, y) == mark;
        SCOPED_TRACE(form->zoom());
        EXPECT_GE(thickness, 2);
        EXPECT_GE(thickness * 30, image.height());
    }
    EXPECT_EQ(form->zoom(), design::kZoomSteps.back());
}

// A long line wraps at a space, within the box's width: no horizontal scroll
// bar, and the vertical one always there.
TEST_F(WindowTest, ReportBoxWrapsAtWordsAndScrollsVerticallyOnly) {
    std::u16string line;
    for (int n = 0; n < 60; ++n) line += u"дума" + std::u16string(n % 5 + 1, u'д') + u" ";
    form->SetReportText(line + u"\r\n");
    QTextBlock block = Report()->document()->firstBlock();
    ASSERT_TRUE(QTest::qWaitFor([&block] { return block.layout()->lineCount() > 1; }));
    const QString text = block.text();
    for (int i = 0; i + 1 < block.layout()->lineCount(); ++i) {
        const QTextLine wrapped = block.layout()->lineAt(i);
        EXPECT_EQ(text.at(wrapped.textStart() + wrapped.textLength() - 1), QLatin1Char(' ')) << i;
    }
    EXPECT_FALSE(Report()->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(Report()->verticalScrollBar()->isVisible());
    form->SetReportText(u"");
    EXPECT_TRUE(Report()->verticalScrollBar()->isVisible());
}

TEST_F(WindowTest, StartsWithZerosAndTheStatement) {
    EXPECT_EQ(Row(), QStringLiteral("000000000000000"));
    EXPECT_TRUE(UnderlinedCells().empty());
    EXPECT_EQ(form->ReportText(), design::kStatement);
    EXPECT_EQ(Report()->toPlainText().count(QLatin1Char('\n')), 8);
}

}  // namespace
}  // namespace trivelan::testing
