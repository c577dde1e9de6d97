#include "Values.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "Decimal.h"
#include "RuntimeError.h"

namespace trivelan::runtime {
namespace {

bool IsBlank(char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n'; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }
bool IsExponentMark(char16_t c) { return c == u'E' || c == u'e' || c == u'D' || c == u'd'; }

// Exponents beyond this are out of any double's reach either way; saturating
// keeps the arithmetic defined for absurdly long exponents.
constexpr long kExponentCap = 100000;

}  // namespace

double TextToNumber(std::u16string_view text) {
    std::size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-')) {
        negative = text[pos] == u'-';
        ++pos;
    }
    std::string digits;  // every digit read, the point left out
    bool seenPoint = false;
    long fractionDigits = 0;
    long integerDigits = 0;         // significant digits before the point
    long leadingFractionZeros = 0;  // zeros after the point before the first significant digit
    bool seenSignificant = false;
    for (; pos < text.size(); ++pos) {
        const char16_t c = text[pos];
        if (IsDigit(c)) {
            if (c != u'0') seenSignificant = true;
            if (!seenPoint && seenSignificant) ++integerDigits;
            if (seenPoint && !seenSignificant) ++leadingFractionZeros;
            if (seenPoint) ++fractionDigits;
            digits += static_cast<char>(c);
        } else if (c == u'.' && !seenPoint) {
            seenPoint = true;
        } else {
            break;
        }
    }
    const double sign = negative ? -1.0 : 1.0;
    if (!seenSignificant) return digits.empty() ? 0.0 : sign * 0.0;

    long exponent = 0;
    if (pos + 1 < text.size() && IsExponentMark(text[pos])) {
        std::size_t e = pos + 1;
        bool negativeExponent = false;
        if (text[e] == u'+' || text[e] == u'-') {
            negativeExponent = text[e] == u'-';
            ++e;
        }
        if (e < text.size() && IsDigit(text[e])) {
            for (; e < text.size() && IsDigit(text[e]); ++e) {
                exponent = std::min(kExponentCap, exponent * 10 + (text[e] - u'0'));
            }
            if (negativeExponent) exponent = -exponent;
        }
    }

    const std::optional<double> value = DecimalToDouble(digits, exponent - fractionDigits);
    if (!value) {
        // Out of range: the decimal magnitude of the first significant digit
        // decides the direction.
        const long magnitude =
            (integerDigits > 0 ? integerDigits : -leadingFractionZeros) + exponent;
        if (magnitude > 0) throw RuntimeError(ErrorNumber::Overflow);
        return sign * 0.0;
    }
    return sign * *value;
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
