#include "Values.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <system_error>

#include "RuntimeError.h"

namespace trivelan::runtime {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsExponentMark(char16_t c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

// Exponents beyond this are out of any double's reach either way; saturating
// keeps the arithmetic defined for absurdly long exponents.
constexpr long kExponentCap = 100000;

// The correctly rounded double of an ASCII decimal number ("-12.5e3"), or
// nullopt when it is beyond a double's range either way.
// A copy: the strtod path spells the point its own way.
// cppcheck-suppress passedByValue
std::optional<double> ParseDecimal(std::string number) {
#if defined(__cpp_lib_to_chars)
    double value = 0.0;
    const auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    (void)end;
    if (ec == std::errc::result_out_of_range) return std::nullopt;
    return value;
#else
    // Where the C++ library has no from_chars for double (emscripten's), the C
    // library's strtod, correctly rounded there too. It reads the point of the
    // current C locale, which a toolkit may have set from the system's.
    std::replace(number.begin(), number.end(), '.', *std::localeconv()->decimal_point);
    errno = 0;
    const double value = std::strtod(number.c_str(), nullptr);
    if (errno == ERANGE && (std::isinf(value) || value == 0.0)) return std::nullopt;
    return value;
#endif
}

}  // namespace

double TextToNumber(std::u16string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;

    std::string number;  // ASCII copy of the recognised number
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        if (text[pos] == u'-') number += '-';
        ++pos;
    }
    bool anyDigit = false;
    bool seenPoint = false;
    long integerDigits = 0;         // significant digits before the point
    long leadingFractionZeros = 0;  // zeros after the point before the first significant digit
    bool seenSignificant = false;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos];
        if (IsDigit(c)) {
            anyDigit = true;
            if (c != u'0') seenSignificant = true;
            if (!seenPoint && seenSignificant) ++integerDigits;
            if (seenPoint && !seenSignificant) ++leadingFractionZeros;
            number += static_cast<char>(c);
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
            number += '.';
        } else {
            break;
        }
    }
    if (!anyDigit) return 0.0;
    if (!seenSignificant) return number.front() == '-' ? -0.0 : 0.0;

    long exponent = 0;
    if (pos + 1 < text.size() && IsExponentMark(text[pos])) {
        std::size_t e = pos + 1;
        bool negative = false;
        if (text[e] == u'+' || text[e] == u'-') {
            negative = text[e] == u'-';
            ++e;
        }
        if (e < text.size() && IsDigit(text[e])) {
            for (; e < text.size() && IsDigit(text[e]); ++e) {
                exponent = std::min(kExponentCap, exponent * 10 + (text[e] - u'0'));
            }
            if (negative) exponent = -exponent;
        }
    }
    number += 'e';
    number += std::to_string(exponent);

    const std::optional<double> value = ParseDecimal(number);
    if (!value) {
        // Out of range: the decimal magnitude of the first significant digit
        // decides the direction.
        const long magnitude =
            (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        if (magnitude > 0) throw RuntimeError(ErrorNumber::Overflow);
        return number.front() == '-' ? -0.0 : 0.0;
    }
    if (!std::isfinite(*value)) throw RuntimeError(ErrorNumber::Overflow);
    return *value;
}

std::int16_t ToInt16(double value) {
    if (std::isnan(value)) throw RuntimeError(ErrorNumber::Overflow);
    // Rounded by hand so the result never depends on the FPU's rounding mode.
    double rounded = std::floor(value);
    const double fraction = value - rounded;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(rounded, 2.0) != 0.0)) rounded += 1.0;
    if (rounded < std::numeric_limits<std::int16_t>::min() ||
        rounded > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int16_t>(rounded);
}

std::int16_t AddInt16(std::int16_t a, std::int16_t b) {
    const int sum = int{a} + int{b};
    if (sum < std::numeric_limits<std::int16_t>::min() ||
        sum > std::numeric_limits<std::int16_t>::max()) {
        throw RuntimeError(ErrorNumber::Overflow);
    }
    return static_cast<std::int16_t>(sum);
}

double AddDouble(double a, double b) {
    const double sum = a + b;
    if (std::isnan(sum)) throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    if (std::isinf(sum)) throw RuntimeError(ErrorNumber::Overflow);
    return sum;
}

double DivideDouble(double dividend, double divisor) {
    if (divisor == 0.0) throw RuntimeError(ErrorNumber::DivisionByZero);
    const double quotient = dividend / divisor;
    if (std::isnan(quotient)) throw RuntimeError(ErrorNumber::InvalidProcedureCall);
    if (std::isinf(quotient)) throw RuntimeError(ErrorNumber::Overflow);
    return quotient;
}

std::u16string NumberToText(std::int32_t value) {
    const std::string ascii = std::to_string(value);
    return {ascii.begin(), ascii.end()};
}

std::u16string Reverse(std::u16string_view text) { return {text.rbegin(), text.rend()}; }

std::u16string Join(std::u16string_view left, std::u16string_view right) {
    std::u16string joined;
    joined.reserve(left.size() + right.size());
    joined.append(left).append(right);
    return joined;
}

bool Equal(std::u16string_view left, std::u16string_view right) noexcept { return left == right; }

}  // namespace trivelan::runtime
