#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "FakeView.h"
#include "logic/SequenceForm.h"
#include "runtime/RuntimeError.h"

namespace trivelan::testing {
namespace {

using logic::SequenceForm;
using Op = ViewCall::Operation;

const std::u16string kStatement = u"Ще наричаме една редица балансирана\r\n";
const std::u16string kCrLf = u"\r\n";

struct Fixture {
    FakeView view;
    SequenceForm form{view};
};

// Every window reaches its cells through the view contract, which checks the
// index first: outside 0 to 14 it is run-time error 340, and nothing is touched.
TEST(View, AnIndexOutsideTheRowIsRuntimeError340) {
    for (const std::int16_t cell : {-1, 15, 32767, -32768}) {
        FakeView view;
        for (int operation = 0; operation < 3; ++operation) {
            try {
                if (operation == 0) (void)view.Caption(cell);
                if (operation == 1) view.SetCaption(cell, u"1");
                if (operation == 2) view.SetUnderline(cell, true);
                ADD_FAILURE() << cell << " " << operation;
            } catch (const runtime::RuntimeError& error) {
                EXPECT_EQ(error.Number(), 340);
            }
        }
        EXPECT_TRUE(view.calls.empty());
    }
    FakeView view;
    view.SetCaption(14, u"7");
    EXPECT_EQ(view.Caption(14), u"7");
}

TEST(OnLoad, ResetsEveryCellAndKeepsTheStatement) {
    Fixture f;
    f.view.SetRow(u"123456789012345");
    f.view.underlined.fill(true);
    f.view.report = kStatement;
    f.form.OnLoad();
    EXPECT_EQ(f.view.Row(), u"000000000000000");
    EXPECT_EQ(f.view.UnderlinedCount(), 0);
    EXPECT_EQ(f.view.report, kStatement);
}

// What a click makes of a cell's caption: the next digit, 9 to 0. Captions the
// program never writes still get one answer, or run-time error 6 before any write.
TEST(OnDigitClick, RaisesTheDigitAndWrapsNineToZero) {
    const struct {
        std::u16string before;
        std::u16string after;  // empty: error 6, the caption as it was
    } cases[] = {{u"0", u"1"},    {u"1", u"2"},     {u"5", u"6"},      {u"8", u"9"},
                 {u"9", u"0"},    {u"", u"1"},      {u"x", u"1"},      {u"2.5", u"3"},
                 {u"3.5", u"5"},  {u"-5", u"-4"},   {u"32766", u"7"},  {u"32767", u""},
                 {u"40000", u""}, {u"-99999", u""}, {u"32767.4", u""}, {u"1e400", u""}};
    for (const std::int16_t cell : {0, 7, 14}) {
        for (const auto& c : cases) {
            Fixture f;
            auto& caption = f.view.captions[static_cast<std::size_t>(cell)];
            caption = c.before;
            const int raised = ErrorNumberOf([&] { f.form.OnDigitClick(cell); });
            EXPECT_EQ(raised, c.after.empty() ? 6 : 0) << c.after.size();
            EXPECT_EQ(caption, c.after.empty() ? c.before : c.after) << "cell " << cell;
            EXPECT_EQ(std::count(f.view.captions.begin(), f.view.captions.end(), u"0"),
                      caption == u"0" ? 15 : 14);  // no other cell changed
            if (raised != 0) {
                EXPECT_TRUE(std::none_of(f.view.calls.begin(), f.view.calls.end(),
                                         [](const ViewCall& call) { return call.IsWrite(); }));
            }
        }
    }
}

// Every underline goes, on the clicked cell and every other; the report stays.
TEST(OnDigitClick, ClearsEveryUnderlineAndLeavesTheReport) {
    for (const std::int16_t cell : {0, 9, 14}) {
        Fixture f;
        f.view.underlined.fill(true);
        f.view.report = u"report\r\n";
        f.form.OnDigitClick(cell);
        EXPECT_EQ(f.view.UnderlinedCount(), 0) << cell;
        EXPECT_EQ(f.view.report, u"report\r\n");
    }
}

TEST(OnButtonClick, ClearResetsFirstThenEmptiesTheReport) {
    Fixture f;
    f.view.SetRow(u"001100000001100");
    f.form.OnButtonClick(0);
    ASSERT_EQ(f.view.UnderlinedCount(), 1);
    f.view.calls.clear();
    f.form.OnButtonClick(1);

    // The report is emptied last, after every cell is back at 0.
    EXPECT_EQ(f.view.calls.back(), (ViewCall{Op::SetReport, -1, u"", false}));
    EXPECT_EQ(std::count_if(f.view.calls.begin(), f.view.calls.end() - 1,
                            [](const ViewCall& call) { return call.text == u"0"; }),
              15);
    EXPECT_EQ(f.view.Row(), u"000000000000000");
    EXPECT_EQ(f.view.UnderlinedCount(), 0);
    EXPECT_EQ(f.view.report, u"");
}

TEST(OnButtonClick, OtherIndexesDoNothing) {
    for (std::int16_t b : {2, 3, -1, 32767}) {
        Fixture f;
        f.view.SetRow(u"001120000001111");
        f.view.underlined[4] = true;
        f.view.report = kStatement;
        f.form.OnButtonClick(b);
        EXPECT_EQ(f.view.Row(), u"001120000001111") << b;
        EXPECT_EQ(f.view.UnderlinedCount(), 1) << b;
        EXPECT_EQ(f.view.report, kStatement) << b;
    }
}

// Row, palindrome line and balance line (both without CR LF), underlined cell or
// -1; the rows a pupil meets most are the scenario table's.
struct CheckCase {
    std::u16string row;
    std::u16string palindromeLine;
    std::u16string balanceLine;
    int underlined;
};

const CheckCase kCheckCases[] = {
    {u"100000000000001", u"Поредният номер: 100000000000001 е палиндром.",
     u"Балансирана редица в позиция: 1", 0},
    {u"777777777777777", u"Поредният номер: 777777777777777 е палиндром.",
     u"Редицата не е балансирана! ", -1},
    {u"000000050000000", u"Поредният номер: 000000050000000 е палиндром.",
     u"Редицата не е балансирана! ", -1},
    {u"999999999999999", u"Поредният номер: 999999999999999 е палиндром.",
     u"Редицата не е балансирана! ", -1},
    {u"123400000000019", u"Номерата: 123400000000019 и 910000000004321 са различни.",
     u"Балансирана редица в позиция: 4", 3},
};

TEST(Check, WritesBothVerdictLinesAndUnderlinesTheSplit) {
    for (const auto& c : kCheckCases) {
        Fixture f;
        f.view.SetRow(c.row);
        f.view.report = kStatement;
        f.form.OnButtonClick(0);
        EXPECT_EQ(f.view.report, c.palindromeLine + kCrLf + c.balanceLine + kCrLf);
        for (int k = 0; k < 15; ++k) {
            EXPECT_EQ(f.view.underlined[static_cast<std::size_t>(k)], k == c.underlined) << k;
        }
        EXPECT_EQ(f.view.Row(), c.row);  // a check never changes a digit
    }
}

// The palindrome line replaces whatever the report held, a pupil's own lines
// too, and the balance line follows it.
TEST(Check, ReplacesWhatTheReportHeldWithTwoLines) {
    Fixture f;
    f.view.SetRow(u"001100000001100");
    f.view.report = u"бележка\r\nоще\r\n";
    f.form.OnButtonClick(0);
    EXPECT_EQ(
        f.view.report,
        u"Поредният номер: 001100000001100 е палиндром.\r\nБалансирана редица в позиция: 4\r\n");
}

TEST(Check, TwoChecksInARowLeaveTwoFreshLines) {
    Fixture f;
    f.view.SetRow(u"001120000001111");
    f.form.OnButtonClick(0);
    const std::u16string once = f.view.report;
    f.form.OnButtonClick(0);
    EXPECT_EQ(f.view.report, once);
    EXPECT_EQ(f.view.UnderlinedCount(), 1);
    EXPECT_TRUE(f.view.underlined[4]);
}

TEST(Check, AnOverflowingTotalRaisesAfterThePalindromeLine) {
    Fixture f;
    f.view.captions.fill(u"9000");
    EXPECT_EQ(ErrorNumberOf([&] { f.form.OnButtonClick(0); }), 6);
    EXPECT_EQ(f.view.UnderlinedCount(), 0);
}

}  // namespace
}  // namespace trivelan::testing
