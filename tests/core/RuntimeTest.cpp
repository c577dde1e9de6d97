#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

#include "FakeView.h"
#include "runtime/RuntimeError.h"
#include "runtime/Values.h"

namespace rt = trivelan::runtime;

namespace {

using trivelan::testing::ErrorNumberOf;

TEST(TextToNumber, ReadsTheLeadingDecimalNumber) {
    struct Case {
        std::u16string text;
        double expected;
    };
    const Case cases[] = {
        {u"0", 0},       {u"1", 1},
        {u"5", 5},       {u"9", 9},
        {u"", 0},        {u"abc", 0},
        {u"-", 0},       {u".", 0},
        {u"я", 0},       {u" 12abc", 12},
        {u"\t\r\n7", 7}, {u"-3.5", -3.5},
        {u"+7", 7},      {u"1.2.3", 1.2},
        {u"1e3", 1000},  {u"2D2", 200},
        {u"1e", 1},      {u"1e+", 1},
        {u"5e-1", 0.5},  {u"32767", 32767},
        {u"007", 7},     {u"0.25", 0.25},
        {u"1e-400", 0},  {u"12 3", 12},
        {u"0e99999", 0}, {u"1e-99999999999", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(rt::TextToNumber(c.text), c.expected)
            << "text of " << c.text.size() << " units, first "
            << (c.text.empty() ? 0 : int(c.text[0]));
    }
}

// The double nearest the decimal number, ties to even, where one rounding of
// the digits and a power of ten would be off.
TEST(TextToNumber, RoundsCorrectly) {
    const struct {
        std::u16string text;
        double expected;
    } cases[] = {
        {u"9007199254740993", 9007199254740992.0},
        {u"9007199254740995", 9007199254740996.0},
        {u"0.1", 0.1},
        {u"123456789012345678901234567890", 123456789012345678901234567890.0},
        {u"2.2250738585072011e-308", 2.2250738585072011e-308},
        {u"4.9406564584124654e-324", 4.9406564584124654e-324},
        {u"2.4703282292062328e-324", 4.9406564584124654e-324},
        {u"2.4703282292062327e-324", 0},
        {u"1.7976931348623157e308", 1.7976931348623157e308},
        {u"7.2057594037927933e16", 72057594037927936.0},
        // Exactly halfway between two doubles: the even one.
        {u"1.00000000000000011102230246251565404236316680908203125", 1.0},
        {u"3.0000000000000002220446049250313080847263336181640625", 3.0},
        {u"1e23", 1e23},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::TextToNumber(c.text), c.expected) << c.text.size();
}

TEST(TextToNumber, NumbersBeyondADoubleOverflow) {
    for (const std::u16string text :
         {u"1e400", u"-1e309", u"1e99999999999", u"99999e305", u"1.7976931348623159e308"}) {
        EXPECT_EQ(ErrorNumberOf([&] { (void)rt::TextToNumber(text); }), 6);
    }
}

TEST(ToInt16, RoundsToNearestWithTiesToEven) {
    struct Case {
        double value;
        int expected;
    };
    const Case cases[] = {
        {0.5, 0},         {1.5, 2},       {2.5, 2},         {3.5, 4},         {-0.5, 0},
        {-1.5, -2},       {-2.5, -2},     {0.49, 0},        {0.51, 1},        {-0.51, -1},
        {7, 7},           {32767, 32767}, {32767.4, 32767}, {-32768, -32768}, {-32768.5, -32768},
        {32766.5, 32766},
    };
    for (const auto& c : cases) EXPECT_EQ(rt::ToInt16(c.value), c.expected) << c.value;
}

TEST(ToInt16, OutsideTheSixteenBitRangeRaisesOverflow) {
    const double values[] = {32767.5,
                             32768,
                             -32768.51,
                             -32769,
                             1e9,
                             std::numeric_limits<double>::infinity(),
                             -std::numeric_limits<double>::infinity(),
                             std::nan("")};
    for (double v : values) EXPECT_EQ(ErrorNumberOf([&] { (void)rt::ToInt16(v); }), 6) << v;
}

TEST(AddInt16, OverflowsAtTheBounds) {
    EXPECT_EQ(rt::AddInt16(32766, 1), 32767);
    EXPECT_EQ(rt::AddInt16(-32767, -1), -32768);
    EXPECT_EQ(ErrorNumberOf([] { (void)rt::AddInt16(32767, 1); }), 6);
    EXPECT_EQ(ErrorNumberOf([] { (void)rt::AddInt16(-32768, -1); }), 6);
}

TEST(DoubleOperations, FailuresBecomeRuntimeErrors) {
    const double max = std::numeric_limits<double>::max();
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(rt::AddDouble(1.5, 2), 3.5);
    EXPECT_EQ(rt::DivideDouble(3, 2), 1.5);
    EXPECT_EQ(ErrorNumberOf([&] { (void)rt::AddDouble(max, max); }), 6);
    EXPECT_EQ(ErrorNumberOf([&] { (void)rt::AddDouble(inf, -inf); }), 5);
    EXPECT_EQ(ErrorNumberOf([] { (void)rt::DivideDouble(1, 0); }), 11);
    EXPECT_EQ(ErrorNumberOf([&] { (void)rt::DivideDouble(max, 0.5); }), 6);
}

TEST(NumberToText, PlainDecimalDigits) {
    EXPECT_EQ(rt::NumberToText(0), u"0");
    EXPECT_EQ(rt::NumberToText(9), u"9");
    EXPECT_EQ(rt::NumberToText(14), u"14");
    EXPECT_EQ(rt::NumberToText(-5), u"-5");
    EXPECT_EQ(rt::NumberToText(32767), u"32767");
    EXPECT_EQ(rt::NumberToText(-32768), u"-32768");
}

TEST(StringServices, ReverseJoinAndEqual) {
    EXPECT_EQ(rt::Reverse(u"001120000001111"), u"111100000021100");
    EXPECT_EQ(rt::Reverse(u""), u"");
    EXPECT_EQ(rt::Reverse(u"абв"), u"вба");
    EXPECT_EQ(rt::Join(u"Ред", u"ица"), u"Редица");
    EXPECT_EQ(rt::Join(u"", u"x"), u"x");
    EXPECT_TRUE(rt::Equal(u"0110", u"0110"));
    EXPECT_FALSE(rt::Equal(u"0110", u"0111"));
    EXPECT_FALSE(rt::Equal(u"а", u"А"));  // no case folding
    EXPECT_FALSE(rt::Equal(u"01", u"010"));
}

TEST(RuntimeError, CarriesNumberAndStandardDescription) {
    const rt::RuntimeError overflow(rt::ErrorNumber::Overflow);
    EXPECT_EQ(overflow.Number(), 6);
    EXPECT_EQ(overflow.Description(), "Overflow");
    EXPECT_EQ(overflow.StandardMessage(), "Run-time error '6':\n\nOverflow");
    EXPECT_EQ(rt::RuntimeError(rt::ErrorNumber::DivisionByZero).StandardMessage(),
              "Run-time error '11':\n\nDivision by zero");
}

}  // namespace
