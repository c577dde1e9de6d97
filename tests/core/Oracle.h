#pragma once

#include <numeric>
#include <string>

// The check's rules stated apart from the program, for tests that compare the
// two on many rows.
namespace trivelan::testing {

// The row is balanced at m (1..14) when the first m digits sum to the other
// 15 - m; the smallest such m, or 0 for an unbalanced row.
inline int OracleSplit(const std::u16string& row) {
    const int total = std::accumulate(row.begin(), row.end(), 0,
                                      [](int sum, char16_t c) { return sum + (c - u'0'); });
    int prefix = 0;
    for (int m = 1; m <= 14; ++m) {
        prefix += row[static_cast<std::size_t>(m - 1)] - u'0';
        if (2 * prefix == total) return m;
    }
    return 0;
}

// The two report lines a check writes for the row, CR LF after each.
inline std::u16string OracleReport(const std::u16string& row) {
    const std::u16string reversed(row.rbegin(), row.rend());
    std::u16string report = row == reversed
                                ? u"Поредният номер: " + row + u" е палиндром.\r\n"
                                : u"Номерата: " + row + u" и " + reversed + u" са различни.\r\n";
    const int m = OracleSplit(row);
    if (m > 0) {
        const std::string digits = std::to_string(m);
        report += u"Балансирана редица в позиция: " + std::u16string(digits.begin(), digits.end()) +
                  u"\r\n";
    } else {
        report += u"Редицата не е балансирана! \r\n";
    }
    return report;
}

}  // namespace trivelan::testing
