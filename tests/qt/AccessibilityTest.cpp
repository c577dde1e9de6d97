#include <QAccessible>

#include "WindowFixture.h"

namespace {

using trivelan::testing::WindowTest;

QAccessibleInterface* Accessible(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(iface, nullptr);
    return iface;
}

// A screen-reader or speech-control user finds a control by the words it shows:
// its name begins with its caption, and the description says more.
TEST_F(WindowTest, EveryControlAScreenReaderMeetsIsNamedByWhatItShows) {
    const struct {
        const char* control;
        QString name;
        QAccessible::Role role;
    } cases[] = {
        {"Label1(0)", QStringLiteral("Тривелан"), QAccessible::StaticText},
        {"Frame1", QStringLiteral("Промяна цифрите чрез On-Click"), QAccessible::Grouping},
        {"Command1(0)", QStringLiteral("Провери"), QAccessible::Button},
        {"Command1(1)", QStringLiteral("Чисти"), QAccessible::Button},
        {"Text1(0)", QStringLiteral("Отчет"), QAccessible::EditableText},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* iface = Accessible(Control(QString::fromLatin1(c.control)));
        ASSERT_NE(iface, nullptr);
        EXPECT_TRUE(iface->text(QAccessible::Name).startsWith(c.name))
            << c.control << ": " << iface->text(QAccessible::Name).toStdString();
        EXPECT_FALSE(iface->text(QAccessible::Description).isEmpty()) << c.control;
        EXPECT_EQ(iface->role(), c.role) << c.control;
    }
}

// Each cell is a button that says its position and its digit, kept current,
// with a press action that clicks it; the report's text can be read out.
TEST_F(WindowTest, EachCellIsAButtonThatSaysItsPositionAndItsDigit) {
    ClickCell(4);
    ClickCell(4);
    ClickCell(14);
    for (int k = 0; k < 15; ++k) {
        QAccessibleInterface* iface = Accessible(Cell(k));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name),
                  QStringLiteral("Позиция %1: %2").arg(k + 1).arg(Cell(k)->text()));
        EXPECT_EQ(iface->role(), QAccessible::Button);
        EXPECT_EQ(iface->parent()->object(), Control(QStringLiteral("Frame1")));
    }
    EXPECT_EQ(Accessible(Cell(4))->text(QAccessible::Name), QStringLiteral("Позиция 5: 2"));

    ClickButton(0);  // an underline for the press to clear, as a click does
    QAccessibleActionInterface* actions = Accessible(Cell(6))->actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(Cell(6)->text(), QStringLiteral("1"));
    EXPECT_EQ(Accessible(Cell(6))->text(QAccessible::Name), QStringLiteral("Позиция 7: 1"));
    EXPECT_TRUE(UnderlinedCells().empty());

    QAccessibleTextInterface* report = Accessible(Report())->textInterface();
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->text(0, report->characterCount()), Report()->toPlainText());
}

}  // namespace
