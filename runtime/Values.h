#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The value services the form's logic relies on. Strings are UTF-16, as in the
// window toolkit; every failure is a RuntimeError.
namespace trivelan::runtime {

// Text to number. Reads the longest leading decimal number and ignores the rest:
//   blanks (space, tab, CR, LF) are skipped first; then an optional '+' or '-';
//   digits with at most one '.'; then an optional exponent, 'E', 'e', 'D' or 'd'
//   with an optional sign and at least one digit.
// A text with no leading number gives 0 ("", "abc", "-", "."). A number too large
// for a double raises error 6; one too small becomes 0.
// So "7" gives 7, " 12abc" gives 12, "-3.5" gives -3.5 and "1e3" gives 1000.
[[nodiscard]] double TextToNumber(std::u16string_view text);

// Double to 16-bit integer: nearest, ties to even (2.5 -> 2, 3.5 -> 4).
// Outside -32768..32767 after rounding, or not a number: error 6.
[[nodiscard]] std::int16_t ToInt16(double value);

// 16-bit signed addition; a result outside the range raises error 6.
[[nodiscard]] std::int16_t AddInt16(std::int16_t a, std::int16_t b);

// Double addition and division as the runtime checks them: an overflow to
// infinity raises error 6, a division by zero error 11, an invalid result error 5.
[[nodiscard]] double AddDouble(double a, double b);
[[nodiscard]] double DivideDouble(double dividend, double divisor);

// Integer to text: decimal digits, '-' before a negative, no leading space.
[[nodiscard]] std::u16string NumberToText(std::int32_t value);

// The characters in reverse order (by UTF-16 code unit).
[[nodiscard]] std::u16string Reverse(std::u16string_view text);

// Left text, then right text.
[[nodiscard]] std::u16string Join(std::u16string_view left, std::u16string_view right);

// Identical code unit by code unit; no case folding.
[[nodiscard]] bool Equal(std::u16string_view left, std::u16string_view right) noexcept;

}  // namespace trivelan::runtime
