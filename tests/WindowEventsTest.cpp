#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMessageBox>
#include <QRegularExpression>
#include <QTimer>
#include <memory>

#include "WindowFixture.h"

namespace {

using trivelan::testing::WindowTest;

TEST_F(WindowTest, EachCellClickRaisesOnlyThatDigit) {
    for (int k = 0; k < 15; ++k) {
        ClickCell(k);
        QString expected(15, QLatin1Char('0'));
        for (int j = 0; j <= k; ++j) expected[j] = QLatin1Char('1');
        EXPECT_EQ(Row(), expected) << k;
    }
}

TEST_F(WindowTest, TenClicksWrapBackThroughNineToZero) {
    QStringList seen;
    for (int n = 0; n < 10; ++n) {
        ClickCell(7);
        seen << Cell(7)->text();
    }
    EXPECT_EQ(seen.join(QString()), QStringLiteral("1234567890"));
}

TEST_F(WindowTest, ADoubleClickRaisesTheDigitByOne) {
    // As a real mouse delivers it: press, release, double-click press, release.
    auto* cell = Cell(3);
    QTest::mouseClick(cell, Qt::LeftButton);
    QTest::mouseDClick(cell, Qt::LeftButton);
    QTest::mouseRelease(cell, Qt::LeftButton);
    EXPECT_EQ(cell->text(), QStringLiteral("1"));
}

// Qt pairs two quick presses into a double click by time and distance alone:
// the second press, near the edge of the next cell, must still click that cell.
TEST_F(WindowTest, AQuickPressOnANeighbourIsItsOwnClick) {
    QTest::mouseClick(Cell(0), Qt::LeftButton, {}, QPoint(23, 30));
    QTest::mouseDClick(Cell(1), Qt::LeftButton, {}, QPoint(1, 30));
    QTest::mouseRelease(Cell(1), Qt::LeftButton, {}, QPoint(1, 30));
    EXPECT_EQ(Row(), QStringLiteral("110000000000000"));
    // ...and a double click on that cell afterwards still counts once.
    QTest::mouseClick(Cell(1), Qt::LeftButton);
    QTest::mouseDClick(Cell(1), Qt::LeftButton);
    QTest::mouseRelease(Cell(1), Qt::LeftButton);
    EXPECT_EQ(Row(), QStringLiteral("120000000000000"));
}

TEST_F(WindowTest, OnlyALeftPressAndReleaseOnTheCellIsAClick) {
    auto* cell = Cell(5);
    QTest::mouseClick(cell, Qt::RightButton);
    QTest::mouseClick(cell, Qt::MiddleButton);
    QTest::mousePress(cell, Qt::LeftButton);
    QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(-5, -5));  // released off the cell
    EXPECT_EQ(cell->text(), QStringLiteral("0"));
    EXPECT_EQ(Row(), QStringLiteral("000000000000000"));
}

TEST_F(WindowTest, CheckReportsAndUnderlinesTheSplitDigit) {
    const struct {
        QString row;
        QString report;
        std::vector<int> underlined;
    } cases[] = {
        {QStringLiteral("001100000001100"),
         QStringLiteral(
             "Поредният номер: 001100000001100 е палиндром.\nБалансирана редица в позиция: 4"),
         {3}},
        {QStringLiteral("001120000001111"),
         QStringLiteral("Номерата: 001120000001111 и 111100000021100 са различни.\n"
                        "Балансирана редица в позиция: 5"),
         {4}},
        {QStringLiteral("100000000000000"),
         QStringLiteral("Номерата: 100000000000000 и 000000000000001 са различни.\n"
                        "Редицата не е балансирана! "),
         {}},
    };
    for (const auto& c : cases) {
        ClickButton(1);
        EnterRow(c.row);
        ClickButton(0);
        EXPECT_EQ(Report()->toPlainText(), c.report + QLatin1Char('\n'));
        EXPECT_EQ(UnderlinedCells(), c.underlined);
    }
}

TEST_F(WindowTest, AnyDigitClickRemovesTheUnderline) {
    ClickButton(0);
    ASSERT_EQ(UnderlinedCells(), std::vector<int>{0});
    const QString report = Report()->toPlainText();
    ClickCell(9);
    EXPECT_TRUE(UnderlinedCells().empty());
    EXPECT_EQ(Report()->toPlainText(), report);
}

TEST_F(WindowTest, ClearResetsTheRowAndEmptiesTheReport) {
    EnterRow(QStringLiteral("900000000000009"));
    ClickButton(0);
    ASSERT_EQ(UnderlinedCells(), std::vector<int>{0});
    ClickButton(1);
    EXPECT_EQ(Row(), QStringLiteral("000000000000000"));
    EXPECT_TRUE(UnderlinedCells().empty());
    EXPECT_EQ(form->ReportText(), u"");
}

TEST_F(WindowTest, KeyboardPressesTheFocusedButton) {
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter}) {
        form->SetReportText(u"");
        Button(0)->setFocus();
        QTest::keyClick(Button(0), key);
        EXPECT_TRUE(Report()->toPlainText().startsWith(QStringLiteral("Поредният номер: "))) << key;

        ClickCell(2);
        Button(1)->setFocus();
        QTest::keyClick(Button(1), key);
        EXPECT_EQ(Row(), QStringLiteral("000000000000000")) << key;
        EXPECT_TRUE(Report()->toPlainText().isEmpty()) << key;
    }
}

TEST_F(WindowTest, TabOrderFollowsTheTabIndexes) {
    EXPECT_EQ(QApplication::focusWidget(), Report());
    const QString before = Report()->toPlainText();
    QWidget* row = Control(QStringLiteral("Frame1"));
    const QWidget* expected[] = {Button(0), Button(1), row, Report(), Button(0)};
    for (const QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), next);
    }
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), Report());
    EXPECT_EQ(Report()->toPlainText(), before);  // Tab typed nothing into the report
    for (int k = 0; k < 15; ++k) EXPECT_EQ(Cell(k)->focusPolicy(), Qt::NoFocus);
}

// The digit row by keyboard alone: Tab to it, arrows and Home/End move the
// mark, Space or Enter clicks the marked cell exactly as the mouse does.
TEST_F(WindowTest, TheDigitRowWorksByKeyboard) {
    QWidget* row = Control(QStringLiteral("Frame1"));
    const auto marked = [this] {
        std::vector<int> cells;
        for (int k = 0; k < 15; ++k) {
            if (Cell(k)->isMarked()) cells.push_back(k);
        }
        return cells;
    };
    EXPECT_TRUE(marked().empty());  // no mark while the focus is elsewhere
    for (int n = 0; n < 3; ++n) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), row);
    EXPECT_EQ(marked(), std::vector<int>{0});

    ClickButton(0);  // an underline for the keyboard's click to clear
    row->setFocus();
    const struct {
        Qt::Key key;
        int cell;
        const char* row;
    } steps[] = {
        {Qt::Key_Space, 0, "100000000000000"},  {Qt::Key_Right, 1, "100000000000000"},
        {Qt::Key_Right, 2, "100000000000000"},  {Qt::Key_Return, 2, "101000000000000"},
        {Qt::Key_Enter, 2, "102000000000000"},  {Qt::Key_End, 14, "102000000000000"},
        {Qt::Key_Right, 14, "102000000000000"}, {Qt::Key_Space, 14, "102000000000001"},
        {Qt::Key_Left, 13, "102000000000001"},  {Qt::Key_Home, 0, "102000000000001"},
        {Qt::Key_Left, 0, "102000000000001"},
    };
    for (const auto& step : steps) {
        QTest::keyClick(row, step.key);
        EXPECT_EQ(marked(), std::vector<int>{step.cell}) << step.key;
        EXPECT_EQ(Row(), QString::fromLatin1(step.row)) << step.key;
    }
    EXPECT_TRUE(UnderlinedCells().empty());
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(row, &held);  // a held key clicks once, not on every repeat
    EXPECT_EQ(Row(), QStringLiteral("102000000000001"));

    // The row keeps its cell while the focus is elsewhere; a mouse click on a
    // cell does not take the focus.
    QTest::keyClick(row, Qt::Key_End);
    Report()->setFocus();
    EXPECT_TRUE(marked().empty());
    ClickCell(3);
    EXPECT_EQ(QApplication::focusWidget(), Report());
    row->setFocus();
    EXPECT_EQ(marked(), std::vector<int>{14});
}

// F1 shows the help: the statement again, the keys, the version and the
// licence; Escape closes it and leaves the row and the report as they were.
TEST_F(WindowTest, HelpOpensOnF1AndEscapeClosesIt) {
    EnterRow(QStringLiteral("120000000000000"));
    ClickButton(0);
    const QString report = Report()->toPlainText();
    QString title;
    QString text;
    QRect place;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            title = box->windowTitle();
            text = box->findChild<QPlainTextEdit*>()->toPlainText();
            place = box->frameGeometry();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
    EXPECT_EQ(title, QStringLiteral("Помощ — Тривелан"));
    EXPECT_TRUE(text.contains(QStringLiteral("балансирана редица - 001120000001111")));
    EXPECT_TRUE(text.contains(QStringLiteral("Версия 1.00")));
    EXPECT_TRUE(text.contains(QStringLiteral("GNU General Public License")));
    EXPECT_TRUE(form->screen()->availableGeometry().contains(place));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(Row(), QStringLiteral("120000000000000"));
    EXPECT_EQ(Report()->toPlainText(), report);
}

TEST_F(WindowTest, CheckReplacesWhatTheUserTyped) {
    Report()->setFocus();
    QTest::keyClicks(Report(), QStringLiteral("note"));
    QTest::keyClick(Report(), Qt::Key_Return);
    QTest::keyClicks(Report(), QStringLiteral("more"));
    ClickButton(0);
    EXPECT_EQ(
        form->ReportText(),
        u"Поредният номер: 000000000000000 е палиндром.\r\nБалансирана редица в позиция: 1\r\n");
}

// Undo takes back what the user typed, never half of what the program wrote.
TEST_F(WindowTest, TheProgramsWritesLeaveNothingToUndo) {
    Report()->setFocus();
    QTest::keyClicks(Report(), QStringLiteral("typed"));
    EXPECT_TRUE(Report()->document()->isUndoAvailable());
    ClickButton(0);
    const std::u16string report = form->ReportText();
    Report()->setFocus();
    QTest::keyClick(Report(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->ReportText(), report);
    EXPECT_EQ(UnderlinedCells(), std::vector<int>{0});

    QTest::keyClicks(Report(), QStringLiteral("x"));
    QTest::keyClick(Report(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->ReportText(), report);  // the user's own typing still undoes
    QTest::keyClick(Report(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(form->ReportText(), report);
}

// Qt's own texts a user meets in the window come from its Bulgarian translation.
TEST_F(WindowTest, TheReportBoxMenuIsBulgarian) {
    const std::unique_ptr<QMenu> menu(Report()->createStandardContextMenu());
    int texts = 0;
    for (const QAction* action : menu->actions()) {
        const QString text = action->text().section(QLatin1Char('\t'), 0, 0);  // not the shortcut
        if (text.isEmpty()) continue;
        ++texts;
        EXPECT_FALSE(text.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))))
            << text.toStdString();
    }
    EXPECT_GE(texts, 7);
}

TEST_F(WindowTest, ReportKeepsCrLfAtTheContract) {
    const std::u16string texts[] = {u"", u"a\r\n", u"ред 1\r\nред 2\r\n\r\n", u"без край"};
    for (const auto& text : texts) {
        form->SetReportText(text);
        EXPECT_EQ(form->ReportText(), text);
    }
    Report()->setPlainText(QStringLiteral("typed\nby hand"));
    EXPECT_EQ(form->ReportText(), u"typed\r\nby hand");
}

TEST_F(WindowTest, TheMottoIsNeverShown) {
    const QWidget* motto = Control(QStringLiteral("Text1(1)"));
    EnterRow(QStringLiteral("123400000000019"));
    ClickButton(0);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    ClickButton(1);
    EXPECT_FALSE(motto->isVisible());
    EXPECT_NE(QApplication::focusWidget(), motto);
}

TEST_F(WindowTest, ARuntimeErrorInAHandlerIsReportedOnceAndEndsEventHandling) {
    form->SetCaption(4, u"32767");  // a caption the program itself never writes
    ClickCell(4);
    EXPECT_EQ(errors, std::vector<int>{6});
    EXPECT_EQ(Cell(4)->text(), QStringLiteral("32767"));  // nothing written before the error
    ClickCell(0);
    ClickButton(0);
    EXPECT_EQ(errors, std::vector<int>{6});
    EXPECT_EQ(Cell(0)->text(), QStringLiteral("0"));
}

TEST_F(WindowTest, AnIndexOutsideTheRowIsARuntimeError) {
    for (std::int16_t k : {-1, 15, 32767}) {
        try {
            (void)form->Caption(k);
            ADD_FAILURE() << k;
        } catch (const trivelan::runtime::RuntimeError& error) {
            EXPECT_EQ(error.Number(), 340);
        }
    }
}

}  // namespace
