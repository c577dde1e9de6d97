#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FakeView.h"
#include "Oracle.h"
#include "logic/SequenceForm.h"

namespace trivelan::testing {
namespace {

using logic::SequenceForm;

// Random rows mixed with rows built to balance (and to be palindromes), so
// every verdict is well represented.
std::u16string RandomRow(std::mt19937& rng) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::uniform_int_distribution<int> shape(0, 3);
    std::u16string row(15, u'0');
    switch (shape(rng)) {
        case 0:
            for (auto& c : row) c = static_cast<char16_t>(u'0' + digit(rng));
            break;
        case 1:  // mostly zeros
            for (auto& c : row) c = static_cast<char16_t>(u'0' + (digit(rng) < 7 ? 0 : digit(rng)));
            break;
        case 2:  // palindrome
            for (std::size_t k = 0; k < 8; ++k)
                row[k] = row[14 - k] = static_cast<char16_t>(u'0' + digit(rng));
            break;
        default: {  // mirror the left part's sum into the right part at a random split
            const int m = std::uniform_int_distribution<int>(1, 14)(rng);
            int left = 0;
            for (int k = 0; k < m; ++k) {
                row[static_cast<std::size_t>(k)] = static_cast<char16_t>(u'0' + digit(rng));
                left += row[static_cast<std::size_t>(k)] - u'0';
            }
            for (int k = m; k < 15 && left > 0; ++k) {
                const int d = std::min(left, std::uniform_int_distribution<int>(0, 9)(rng));
                row[static_cast<std::size_t>(k)] = static_cast<char16_t>(u'0' + d);
                left -= d;
            }
        }
    }
    return row;
}

TEST(BalanceRule, AgreesWithAnIndependentStatementOnSeededRandomRows) {
    const unsigned seed = 20261208;
    std::mt19937 rng(seed);
    int balanced = 0;
    for (int trial = 0; trial < 20000; ++trial) {
        const std::u16string row = RandomRow(rng);
        FakeView view;
        SequenceForm form(view);
        view.SetRow(row);
        form.OnButtonClick(0);
        const int m = OracleSplit(row);
        balanced += m > 0 ? 1 : 0;
        ASSERT_EQ(view.report, OracleReport(row)) << "seed " << seed << " trial " << trial;
        for (int k = 0; k < 15; ++k) {
            ASSERT_EQ(view.underlined[static_cast<std::size_t>(k)], m > 0 && k == m - 1)
                << "seed " << seed << " trial " << trial << " cell " << k;
        }
    }
    EXPECT_GT(balanced, 4000);  // the generator really exercises the balanced branch
}

}  // namespace
}  // namespace trivelan::testing
