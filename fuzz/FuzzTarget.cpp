// libFuzzer target for the value services and for the form's logic driven by a
// fake view whose captions come from the input. Nothing may crash, and the only
// exception that may leave the program's code is its own RuntimeError.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

#include "design/StartRow.h"
#include "design/Text.h"
#include "logic/SequenceForm.h"
#include "runtime/Decimal.h"
#include "runtime/RuntimeError.h"
#include "runtime/Values.h"
#include "tests/core/FakeView.h"

namespace {

namespace rt = trivelan::runtime;

void Require(bool condition) {
    if (!condition) __builtin_trap();
}

bool IsOneDigit(const std::u16string& text) {
    return text.size() == 1 && text[0] >= u'0' && text[0] <= u'9';
}

// A number rounds to the nearest 16-bit integer, or overflows (error 6) only
// outside the range; NaN overflows too.
void RequireInt16Rounding(double value) {
    try {
        const std::int16_t rounded = rt::ToInt16(value);
        Require(std::fabs(rounded - value) <= 0.5);
    } catch (const rt::RuntimeError& error) {
        Require(error.Number() == 6 && !(value < 32767.5 && value >= -32768.5));
    }
}

void FuzzTextToNumber(const std::uint8_t* data, std::size_t size) {
    std::u16string text;
    for (std::size_t i = 0; i + 1 < size; i += 2) {
        text += static_cast<char16_t>(data[i] | (data[i + 1] << 8));
    }
    double value = 0;
    try {
        value = rt::TextToNumber(text);
    } catch (const rt::RuntimeError& error) {
        Require(error.Number() == 6);
        return;
    }
    Require(std::isfinite(value));
    if (IsOneDigit(text)) Require(value == text[0] - u'0');
    RequireInt16Rounding(value);
}

void FuzzConversions(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double) + 4) return;
    double value = 0;
    std::memcpy(&value, data, sizeof value);
    RequireInt16Rounding(value);
    const auto a = static_cast<std::int16_t>(data[8] | (data[9] << 8));
    const auto b = static_cast<std::int16_t>(data[10] | (data[11] << 8));
    try {
        Require(rt::AddInt16(a, b) == a + b);
    } catch (const rt::RuntimeError& error) {
        Require(error.Number() == 6 && (a + b > 32767 || a + b < -32768));
    }
}

// Decimal digits (a byte each, taken modulo 10) and a power of ten from two
// bytes: the program's own conversion gives the C library's correctly rounded
// double, and nothing where that is infinite or a nonzero number's zero.
void FuzzDecimal(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return;
    const long exponent = static_cast<std::int16_t>(data[0] | (data[1] << 8)) % 700;
    std::string digits;
    for (std::size_t i = 2; i < size; ++i) digits += static_cast<char>('0' + data[i] % 10);
    const std::optional<double> value = rt::DecimalToDouble(digits, exponent);
    const std::string text = (digits.empty() ? "0" : digits) + "e" + std::to_string(exponent);
    const double expected = std::strtod(text.c_str(), nullptr);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    if (std::isinf(expected) || (expected == 0.0 && !zero)) {
        Require(!value);
    } else {
        Require(value && *value == expected);
    }
}

// Command-line words (UTF-8, each ended by a zero byte) as either desktop
// program reads them, and the same words as the page's address: a start is
// refused with a reason, or has the zeros or fifteen digits, never both.
void FuzzCommandLine(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> bytes(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0) {
            bytes.emplace_back();
        } else {
            bytes.back() += static_cast<char>(data[i]);
        }
    }
    std::vector<std::u16string> words;
    for (const std::string& word : bytes) {
        words.push_back(trivelan::design::FromUtf8(word, trivelan::design::kLongestInput + 1));
    }
    const auto line = trivelan::design::ReadCommandLine(words);
    const auto row = trivelan::design::ReadAddress(u"#row=" + words.front());
    for (const auto& start : {line.start, row}) {
        Require(start.digits.empty() || start.problem.empty());
        Require(start.digits.empty() ||
                (start.digits.size() == 15 &&
                 start.digits.find_first_not_of(u"0123456789") == std::u16string::npos));
    }
    Require((line.action == trivelan::design::CommandLine::Action::Run) == line.message.empty());
}

// Captions separated by 0xFF bytes, then one action a byte: a cell click, the
// check button, the clear button, or another button index.
void FuzzLogic(const std::uint8_t* data, std::size_t size) {
    trivelan::testing::FakeView view;
    std::size_t pos = 0;
    for (std::size_t k = 0; k < view.captions.size(); ++k) {
        std::u16string caption;
        while (pos < size && data[pos] != 0xFF && caption.size() < 32)
            caption += static_cast<char16_t>(data[pos++]);
        if (pos < size && data[pos] == 0xFF) ++pos;
        view.captions[k] = caption;
    }
    bool wellFormed = true;
    for (const auto& caption : view.captions) wellFormed = wellFormed && IsOneDigit(caption);

    trivelan::logic::SequenceForm form(view);
    for (; pos < size; ++pos) {
        const int action = data[pos] % 18;
        view.calls.clear();
        try {
            if (action < 15) {
                form.OnDigitClick(static_cast<std::int16_t>(action));
            } else {
                form.OnButtonClick(static_cast<std::int16_t>(action == 15   ? 0
                                                             : action == 16 ? 1
                                                                            : data[pos]));
            }
        } catch (const rt::RuntimeError& error) {
            // Only a caption the program never writes can raise an error.
            Require(!wellFormed);
            Require(error.Number() == 5 || error.Number() == 6 || error.Number() == 11);
            return;
        }
        Require(view.UnderlinedCount() <= 1);
        if (wellFormed) {
            for (const auto& caption : view.captions) Require(IsOneDigit(caption));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    try {
        using Target = void (*)(const std::uint8_t*, std::size_t);
        constexpr Target kTargets[] = {FuzzTextToNumber, FuzzConversions, FuzzDecimal,
                                       FuzzCommandLine, FuzzLogic};
        kTargets[data[0] % std::size(kTargets)](data + 1, size - 1);
    } catch (...) {
        __builtin_trap();  // any other exception is a fault
    }
    return 0;
}
