#include "SequenceForm.h"

#include <string>

#include "runtime/Values.h"

namespace trivelan::logic {

namespace rt = trivelan::runtime;

namespace {
constexpr std::int16_t kDigitBase = 10;
}

void SequenceForm::OnLoad() {
    // The report box keeps its design-time text, the exercise statement.
    ResetDigits();
}

void SequenceForm::OnDigitClick(std::int16_t cell) {
    const std::int16_t digit = rt::ToInt16(rt::TextToNumber(view_.Caption(cell)));
    const std::int16_t raised = rt::AddInt16(digit, 1);
    view_.SetCaption(cell, rt::NumberToText(raised % kDigitBase));
    ClearAllUnderlines();
}

void SequenceForm::OnButtonClick(std::int16_t button) {
    if (button == kCheckButton) {
        CheckPalindrome();
    } else if (button == kClearButton) {
        ResetDigits();
        view_.SetReportText(u"");
    }
}

void SequenceForm::ResetDigits() {
    for (std::int16_t n = 1; n <= kCellCount; ++n) {
        view_.SetCaption(static_cast<std::int16_t>(n - 1), rt::NumberToText(0));
        view_.SetUnderline(static_cast<std::int16_t>(n - 1), false);
    }
}

void SequenceForm::ClearAllUnderlines() {
    for (std::int16_t n = 1; n <= kCellCount; ++n) {
        view_.SetUnderline(static_cast<std::int16_t>(n - 1), false);
    }
}

void SequenceForm::CheckPalindrome() {
    std::u16string row;
    for (std::int16_t n = 1; n <= kCellCount; ++n) {
        row = rt::Join(row, view_.Caption(static_cast<std::int16_t>(n - 1)));
    }
    const std::u16string reversed = rt::Reverse(row);

    std::u16string line;
    if (rt::Equal(reversed, row)) {
        line.append(kPalindromePrefix).append(row).append(kPalindromeSuffix);
    } else {
        line.append(kDifferentPrefix).append(row).append(kDifferentMiddle);
        line.append(reversed).append(kDifferentSuffix);
    }
    // Replaces whatever the report held: the statement or an earlier report.
    view_.SetReportText(line.append(kLineEnd));
    CheckBalance();
}

void SequenceForm::CheckBalance() {
    std::int16_t total = 0;
    for (std::int16_t n = 1; n <= kCellCount; ++n) {
        const double digit = rt::TextToNumber(view_.Caption(static_cast<std::int16_t>(n - 1)));
        total = rt::ToInt16(rt::AddDouble(total, digit));
    }

    // The first split from the left wins; the right part is never empty.
    const double half = rt::DivideDouble(total, 2.0);  // not rounded: odd totals never balance
    std::int16_t i = 1;
    bool found = false;
    double running = 0.0;
    while (i < kCellCount && !found) {
        running = rt::AddDouble(running,
                                rt::TextToNumber(view_.Caption(static_cast<std::int16_t>(i - 1))));
        i = rt::AddInt16(i, 1);
        found = half == running;
    }

    std::u16string report = view_.ReportText();
    if (found) {
        report.append(kBalancedPrefix).append(rt::NumberToText(i - 1)).append(kLineEnd);
        view_.SetReportText(report);
        view_.SetUnderline(static_cast<std::int16_t>(i - 2), true);
    } else {
        view_.SetReportText(report.append(kNotBalanced).append(kLineEnd));
    }
}

}  // namespace trivelan::logic
