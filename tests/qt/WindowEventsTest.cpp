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

TEST_F(WindowTest, OnlyALeftPressAndReleaseOnTheCellIsAClick) {
    auto* cell = Cell(5);
    QTest::mouseClick(cell, Qt::RightButton);
    QTest::mouseClick(cell, Qt::MiddleButton);
    QTest::mousePress(cell, Qt::LeftButton);
    QTest::mouseRelease(cell, Qt::LeftButton, {}, QPoint(-5, -5));  // released off the cell
    EXPECT_EQ(cell->text(), QStringLiteral("0"));
    EXPECT_EQ(Row(), QStringLiteral("000000000000000"));
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

}  // namespace
