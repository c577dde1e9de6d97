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

TEST_F(WindowTest, EachCellSaysItsPositionAndItsDigit) {
    ClickCell(4);
    ClickCell(4);
    ClickCell(14);
    for (int k = 0; k < 15; ++k) {
        QAccessibleInterface* iface = Accessible(Cell(k));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), QStringLiteral("Позиция %1").arg(k + 1));
        EXPECT_EQ(iface->text(QAccessible::Value), Cell(k)->text());
        EXPECT_EQ(iface->role(), QAccessible::StaticText);
        EXPECT_FALSE(iface->state().focusable);  // input comes through clicks only
    }
    EXPECT_EQ(Accessible(Cell(4))->text(QAccessible::Value), QStringLiteral("2"));
    EXPECT_EQ(Accessible(Cell(14))->text(QAccessible::Value), QStringLiteral("1"));
}

}  // namespace
