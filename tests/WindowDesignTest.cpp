#include <QFontInfo>
#include <QScrollBar>

#include "WindowFixture.h"
#include "ui/FormDesign.h"
#include "ui/Twips.h"

namespace {

using trivelan::testing::DesignName;
using trivelan::testing::ShownText;
using trivelan::testing::WindowTest;
namespace design = trivelan::ui::design;

QString Q(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}
QString WithLf(std::u16string_view text) {
    return Q(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

TEST_F(WindowTest, EveryControlMatchesTheDesignTable) {
    const QWidget* frame = Control(QStringLiteral("Frame1"));
    for (const auto& c : design::AllControls()) {
        SCOPED_TRACE(DesignName(c).toStdString());
        const QWidget* w = Control(DesignName(c));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->parentWidget(), c.container == design::Container::Frame1 ? frame : form.get());
        EXPECT_EQ(w->geometry(), QRect(c.left / 15, c.top / 15, c.width / 15, c.height / 15));
        EXPECT_EQ(w->isVisible(), c.visible);
        EXPECT_EQ(ShownText(w), WithLf(c.text));
        EXPECT_EQ(w->font().family(), QStringLiteral("Times New Roman"));
        EXPECT_EQ(w->font().pointSize(), c.fontPoints);
        EXPECT_EQ(w->font().weight(), QFont::Normal);
        EXPECT_FALSE(w->font().underline());
        if (c.background) {
            const QColor expected(c.background->red, c.background->green, c.background->blue);
            const QPalette::ColorRole role =
                c.kind == design::Kind::PushButton ? QPalette::Button : QPalette::Window;
            EXPECT_EQ(w->palette().color(role), expected);
            EXPECT_TRUE(w->autoFillBackground());
        }
        if (const auto* label = qobject_cast<const QLabel*>(w)) {
            EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
        }
    }
}

TEST_F(WindowTest, WindowHasItsDesignSizeCaptionIconAndFont) {
    EXPECT_EQ(form->size(), QSize(481, 363));
    EXPECT_EQ(form->minimumSize(), form->maximumSize());  // not resizable
    EXPECT_EQ(form->windowTitle(), QStringLiteral("www.example.com  Тривелан"));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(128, 128, 255));
    EXPECT_EQ(form->font().pointSize(), 12);
    // fontconfig maps the name to a metric-compatible face.
    EXPECT_EQ(QFontInfo(form->font()).family(), QStringLiteral("Liberation Serif"));
    const QIcon icon = form->windowIcon();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
    EXPECT_TRUE(icon.pixmap(32, 32).toImage().hasAlphaChannel());
}

TEST_F(WindowTest, DigitCellsFormOneOverlappingWhiteStrip) {
    for (int k = 0; k + 1 < 15; ++k) {
        EXPECT_EQ(Cell(k)->geometry().right(), Cell(k + 1)->geometry().left())
            << k;  // one pixel shared
    }
    EXPECT_EQ(Cell(0)->geometry().left(), 16);
    EXPECT_EQ(Control(QStringLiteral("Frame1"))->width() - Cell(14)->geometry().right() - 1, 16);
}

TEST_F(WindowTest, ButtonsLineUpWithTheFrameEdges) {
    const QRect frame = Control(QStringLiteral("Frame1"))->geometry();
    EXPECT_EQ(Button(0)->geometry().left(), frame.left());
    EXPECT_EQ(Button(1)->geometry().right(), frame.right());
}

TEST_F(WindowTest, ReportBoxWrapsAndScrollsVerticallyOnly) {
    for (const char* name : {"Text1(0)", "Text1(1)"}) {
        const auto* box = Control<QPlainTextEdit>(QString::fromLatin1(name));
        EXPECT_EQ(box->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(box->wordWrapMode(), QTextOption::WordWrap);
        EXPECT_EQ(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(box->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    }
    EXPECT_TRUE(Report()->verticalScrollBar()->isVisible());
}

TEST_F(WindowTest, StartsWithZerosAndTheStatement) {
    EXPECT_EQ(Row(), QStringLiteral("000000000000000"));
    EXPECT_TRUE(UnderlinedCells().empty());
    EXPECT_EQ(form->ReportText(), design::kStatement);
    EXPECT_EQ(Report()->toPlainText().count(QLatin1Char('\n')), 8);
    EXPECT_EQ(Control<QPlainTextEdit>(QStringLiteral("Text1(1)"))->toPlainText(),
              WithLf(design::kMotto));
}

}  // namespace
