#include <QApplication>
#include <random>

#include "../core/Oracle.h"
#include "WindowFixture.h"

namespace trivelan::testing {
namespace {

// A long seeded run of user actions on the real widgets. After every action the
// window must hold one digit per cell and at most one underline; after a check,
// the report and the underline must be what the oracle computes for the row.
TEST_F(WindowTest, SeededRandomUserActionsKeepTheInvariants) {
    const unsigned seed = qEnvironmentVariableIsSet("TRIVELAN_SOAK_SEED")
                              ? qEnvironmentVariable("TRIVELAN_SOAK_SEED").toUInt()
                              : 20261208U;
    const int actions = qEnvironmentVariableIsSet("TRIVELAN_SOAK_ACTIONS")
                            ? qEnvironmentVariableIntValue("TRIVELAN_SOAK_ACTIONS")
                            : 100000;
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> pick(0, 99);
    std::uniform_int_distribution<int> cell(0, 14);
    std::u16string model(15, u'0');  // the digits the actions should have produced
    int checks = 0;

    for (int n = 0; n < actions; ++n) {
        const int roll = pick(rng);
        bool checked = false;
        if (roll < 70) {  // click a cell (double clicks are the scenario table's)
            const int k = cell(rng);
            ClickCell(k);
            model[static_cast<std::size_t>(k)] =
                static_cast<char16_t>(u'0' + (model[static_cast<std::size_t>(k)] - u'0' + 1) % 10);
        } else if (roll < 88) {  // check, by mouse or keyboard
            if (roll < 80) {
                ClickButton(0);
            } else {
                Button(0)->setFocus();
                QTest::keyClick(Button(0), Qt::Key_Space);
            }
            checked = true;
        } else if (roll < 93) {  // clear
            ClickButton(1);
            model.assign(15, u'0');
        } else {  // type into the report box
            Report()->setFocus();
            QTest::keyClicks(Report(), QStringLiteral("x 1\t"));
            QTest::keyClick(Report(), Qt::Key_Return);
        }

        const std::vector<int> underlined = UnderlinedCells();
        for (int k = 0; k < 15; ++k) {
            ASSERT_EQ(Cell(k)->text().size(), 1) << "seed " << seed << " action " << n;
            ASSERT_TRUE(Cell(k)->text()[0].isDigit()) << "seed " << seed << " action " << n;
        }
        ASSERT_EQ(Row().toStdU16String(), model) << "seed " << seed << " action " << n;
        ASSERT_LE(underlined.size(), 1U) << "seed " << seed << " action " << n;
        if (checked) {
            ++checks;
            ASSERT_EQ(form->ReportText(), OracleReport(model))
                << "seed " << seed << " action " << n;
            const int m = OracleSplit(model);
            ASSERT_EQ(underlined, m > 0 ? std::vector<int>{m - 1} : std::vector<int>{})
                << "seed " << seed << " action " << n;
        }
    }
    EXPECT_TRUE(errors.empty());
    EXPECT_GT(checks, actions / 10);
}

}  // namespace
}  // namespace trivelan::testing
