#include "Decimal.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

namespace trivelan::runtime {
namespace {

// An unsigned integer of any size: 32-bit limbs, the least significant first,
// no leading zero limb.
class Big {
  public:
    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend) {
        std::uint64_t carry = addend;
        for (std::uint32_t& limb : limbs_) {
            carry += std::uint64_t{limb} * factor;
            limb = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry != 0) limbs_.push_back(static_cast<std::uint32_t>(carry));
    }
    void MultiplyByPowerOfTen(long power) {
        for (; power >= 9; power -= 9) MultiplyAdd(1'000'000'000U, 0);
        std::uint32_t rest = 1;
        for (; power > 0; --power) rest *= 10;
        MultiplyAdd(rest, 0);
    }
    void ShiftLeft(long bits) {
        const int part = static_cast<int>(bits % 32);
        if (part != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t& limb : limbs_) {
                const std::uint64_t wide = (std::uint64_t{limb} << part) | carry;
                limb = static_cast<std::uint32_t>(wide);
                carry = static_cast<std::uint32_t>(wide >> 32);
            }
            if (carry != 0) limbs_.push_back(carry);
        }
        const auto whole = static_cast<std::size_t>(bits / 32);
        if (!limbs_.empty() && whole > 0) {
            limbs_.resize(limbs_.size() + whole);
            std::move_backward(limbs_.begin(), limbs_.end() - static_cast<long>(whole),
                               limbs_.end());
            std::fill_n(limbs_.begin(), whole, 0U);
        }
    }
    void HalveDown() {
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            const std::uint32_t next = i + 1 < limbs_.size() ? limbs_[i + 1] : 0;
            limbs_[i] = (limbs_[i] >> 1) | (next << 31);
        }
        Trim();
    }
    // this - other, where other is no larger.
    void Subtract(const Big& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t difference =
                std::int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? other.limbs_[i] : 0);
            borrow = difference < 0 ? 1 : 0;
            limbs_[i] = static_cast<std::uint32_t>(difference + (borrow << 32));
        }
        Trim();
    }
    [[nodiscard]] long BitLength() const {
        return limbs_.empty() ? 0
                              : 32 * static_cast<long>(limbs_.size() - 1) +
                                    static_cast<long>(std::bit_width(limbs_.back()));
    }
    [[nodiscard]] bool IsZero() const { return limbs_.empty(); }
    [[nodiscard]] int Compare(const Big& other) const {
        if (limbs_.size() != other.limbs_.size())
            return limbs_.size() < other.limbs_.size() ? -1 : 1;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            if (limbs_[i] != other.limbs_[i]) return limbs_[i] < other.limbs_[i] ? -1 : 1;
        }
        return 0;
    }

  private:
    void Trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }
    std::vector<std::uint32_t> limbs_;
};

// Beyond this many digits only whether any nonzero one follows can change the
// rounding (a double's exact halfway points have at most 767).
constexpr std::size_t kDigitsKept = 800;
constexpr int kMantissaBits = 53;
constexpr long kLowestExponent = -1074;  // of the smallest subnormal's one bit
constexpr long kHighestExponent = 1023;

}  // namespace

std::optional<double> DecimalToDouble(std::string_view digits, long exponent) {
    const std::size_t first = digits.find_first_not_of('0');
    if (first == std::string_view::npos) return 0.0;
    digits.remove_prefix(first);
    const std::size_t last = digits.find_last_not_of('0');
    exponent += static_cast<long>(digits.size() - last - 1);
    digits = digits.substr(0, last + 1);
    std::string kept;
    if (digits.size() > kDigitsKept) {
        // The rest holds a nonzero digit (trailing zeros are gone): a 1 after the kept ones.
        exponent += static_cast<long>(digits.size() - kDigitsKept - 1);
        kept.assign(digits.substr(0, kDigitsKept)).push_back('1');
        digits = kept;
    }
    // The number is below 10^magnitude and at least a tenth of it.
    const long magnitude = static_cast<long>(digits.size()) + exponent;
    if (magnitude > 310 || magnitude < -324) return std::nullopt;

    // Both the digits and the power of ten exact in a double: one rounding.
    if (digits.size() <= 15 && exponent >= -22 && exponent <= 22) {
        double value = 0;
        for (const char digit : digits) value = value * 10 + (digit - '0');
        double power = 1;
        for (long n = exponent < 0 ? -exponent : exponent; n > 0; --n) power *= 10;
        return exponent < 0 ? value / power : value * power;
    }

    // Exactly: the quotient numerator / (denominator x 2^binary) has 53 or 54
    // bits (fewer for a subnormal), the remainder decides the rounding.
    Big numerator;
    Big denominator;
    denominator.MultiplyAdd(0, 1);
    for (const char digit : digits)
        numerator.MultiplyAdd(10, static_cast<std::uint32_t>(digit - '0'));
    if (exponent >= 0) {
        numerator.MultiplyByPowerOfTen(exponent);
    } else {
        denominator.MultiplyByPowerOfTen(-exponent);
    }
    long binary =
        std::max(numerator.BitLength() - denominator.BitLength() - kMantissaBits, kLowestExponent);
    if (binary >= 0) {
        denominator.ShiftLeft(binary);
    } else {
        numerator.ShiftLeft(-binary);
    }
    std::uint64_t quotient = 0;
    Big step = denominator;
    step.ShiftLeft(kMantissaBits + 1);
    for (int bit = kMantissaBits + 1; bit >= 0; --bit) {
        if (numerator.Compare(step) >= 0) {
            numerator.Subtract(step);
            quotient |= std::uint64_t{1} << bit;
        }
        step.HalveDown();
    }
    bool up = false;
    if (quotient >> kMantissaBits != 0) {
        const bool half = (quotient & 1) != 0;
        quotient >>= 1;
        ++binary;
        up = half && (!numerator.IsZero() || (quotient & 1) != 0);
    } else {
        numerator.ShiftLeft(1);
        const int against = numerator.Compare(denominator);
        up = against > 0 || (against == 0 && (quotient & 1) != 0);
    }
    if (up && ++quotient >> kMantissaBits != 0) {
        quotient >>= 1;
        ++binary;
    }
    if (quotient == 0 || binary + kMantissaBits - 1 > kHighestExponent) return std::nullopt;
    return std::ldexp(static_cast<double>(quotient), static_cast<int>(binary));
}

}  // namespace trivelan::runtime
