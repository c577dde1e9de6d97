#include <QAccessible>

#include "WindowFixture.h"

namespace {

using trivelan::testing::WindowTest;

QAccessibleInterface* Accessible(QWidget* widget) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    EXPECT_NE(iface, nullptr);
    return iface;
}

TEST_F(WindowTest, EveryControlAScreenReaderMeetsHasABulgarianName) {
    const struct {
        const char* control;
        QString name;
        QAccessible::Role role;
    } cases[] = {
        {"Label1(0)", QStringLiteral("Заглавие"), QAccessible::StaticText},
        {"Frame1", QStringLiteral("Редица от 15 цифри"), QAccessible::Grouping},
        {"Command1(0)", QStringLiteral("Провери редицата"), QAccessible::Button},
        {"Command1(1)", QStringLiteral("Изчисти редицата"), QAccessible::Button},
        {"Text1(0)", QStringLiteral("Отчет"), QAccessible::EditableText},
    };
    for (const auto& c : cases) {
        QAccessibleInterface* iface = Accessible(Control(QString::fromLatin1(c.control)));
        ASSERT_NE(iface, nullptr);
        EXPECT_EQ(iface->text(QAccessible::Name), c.name) << c.control;
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
