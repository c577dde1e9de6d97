#pragma once

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// The logic and the design end lines with CR LF. Qt's text box and the page's
// textarea keep one line feed per line, and convert with these two; a Win32
// edit box keeps CR LF itself.
namespace trivelan::design {

// An ASCII text (a name, a version, a number's digits) as UTF-16.
[[nodiscard]] inline std::u16string Ascii(std::string_view text) {
    return {text.begin(), text.end()};
}

// A text the compiler joins from others: a constant of the design made of
// other constants. N is the joined length.
template <std::size_t N>
struct JoinedText {
    std::array<char16_t, N> chars{};
    [[nodiscard]] constexpr std::u16string_view View() const { return {chars.data(), N}; }
};

[[nodiscard]] constexpr std::size_t JoinedLength(std::initializer_list<std::u16string_view> parts) {
    std::size_t length = 0;
    for (const std::u16string_view part : parts) length += part.size();
    return length;
}

[[nodiscard]] constexpr std::size_t DecimalLength(unsigned number) {
    std::size_t length = 1;
    for (; number >= 10; number /= 10) ++length;
    return length;
}

// A whole number 0 or more in decimal digits, made by the compiler.
template <unsigned Number>
[[nodiscard]] constexpr JoinedText<DecimalLength(Number)> Decimal() {
    JoinedText<DecimalLength(Number)> digits;
    unsigned number = Number;
    for (std::size_t at = digits.chars.size(); at > 0; number /= 10) {
        digits.chars.at(--at) = static_cast<char16_t>(u'0' + number % 10);
    }
    return digits;
}

// The parts one after the other; lowerFirst makes the first letter of the
// part at that place small, as it reads after a dash (Latin and Cyrillic).
template <std::size_t N>
[[nodiscard]] constexpr JoinedText<N> Join(std::initializer_list<std::u16string_view> parts,
                                           std::size_t lowerFirst = N) {
    JoinedText<N> joined;
    std::size_t at = 0;
    std::size_t index = 0;
    for (const std::u16string_view part : parts) {
        for (std::size_t k = 0; k < part.size(); ++k) {
            char16_t c = part[k];
            if (k == 0 && index == lowerFirst &&
                ((c >= u'A' && c <= u'Z') || (c >= u'\u0410' && c <= u'\u042F'))) {
                c = static_cast<char16_t>(c + 0x20);
            }
            joined.chars.at(at++) = c;
        }
        ++index;
    }
    return joined;
}

[[nodiscard]] inline std::u16string ToLineFeeds(std::u16string_view text) {
    std::u16string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        shown += text[i];
    }
    return shown;
}

[[nodiscard]] inline std::u16string ToCrLf(std::u16string_view text) {
    std::u16string contract;
    contract.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u'\n') contract += u'\r';
        contract += c;
    }
    return contract;
}

// A paragraph cut into lines of at most width characters at its spaces, with
// line feeds between them, as a terminal shows help.
[[nodiscard]] inline std::u16string Wrap(std::u16string_view paragraph, std::size_t width) {
    std::u16string wrapped;
    std::size_t line = 0;  // characters on the line so far
    while (!paragraph.empty()) {
        const std::size_t space = paragraph.find(u' ');
        const std::u16string_view word = paragraph.substr(0, space);
        if (line > 0 && line + 1 + word.size() > width) {
            wrapped += u'\n';
            line = 0;
        } else if (line > 0) {
            wrapped += u' ';
            ++line;
        }
        wrapped += word;
        line += word.size();
        paragraph.remove_prefix(space == std::u16string_view::npos ? paragraph.size() : space + 1);
    }
    return wrapped;
}

// UTF-8 as a command line gives it, to UTF-16, reading no more than limit
// bytes; a byte that starts no character becomes U+FFFD.
[[nodiscard]] inline std::u16string FromUtf8(std::string_view bytes, std::size_t limit) {
    bytes = bytes.substr(0, limit);
    std::u16string text;
    for (std::size_t i = 0; i < bytes.size();) {
        const auto lead = static_cast<unsigned char>(bytes[i]);
        const int length = lead < 0x80       ? 1
                           : lead >> 5 == 6  ? 2
                           : lead >> 4 == 14 ? 3
                           : lead >> 3 == 30 ? 4
                                             : 0;
        char32_t point = length <= 1 ? lead : lead & (0x3F >> (length - 1));
        bool whole = length > 0 && i + static_cast<std::size_t>(length) <= bytes.size();
        for (int k = 1; whole && k < length; ++k) {
            const auto next = static_cast<unsigned char>(bytes[i + static_cast<std::size_t>(k)]);
            whole = next >> 6 == 2;
            point = (point << 6) | (next & 0x3F);
        }
        if (!whole || point > 0x10FFFF || (point >= 0xD800 && point < 0xE000)) {
            text += u'\uFFFD';
            ++i;
            continue;
        }
        if (point >= 0x10000) {
            text += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            text += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            text += static_cast<char16_t>(point);
        }
        i += static_cast<std::size_t>(length);
    }
    return text;
}

// UTF-16 to UTF-8, for a terminal.
[[nodiscard]] inline std::string ToUtf8(std::u16string_view text) {
    std::string bytes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t point = text[i];
        if (point >= 0xD800 && point < 0xDC00 && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] < 0xE000) {
            point = 0x10000 + ((point - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        if (point < 0x80) {
            bytes += static_cast<char>(point);
        } else if (point < 0x800) {
            bytes += static_cast<char>(0xC0 | (point >> 6));
            bytes += static_cast<char>(0x80 | (point & 0x3F));
        } else if (point < 0x10000) {
            bytes += static_cast<char>(0xE0 | (point >> 12));
            bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (point & 0x3F));
        } else {
            bytes += static_cast<char>(0xF0 | (point >> 18));
            bytes += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
            bytes += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
            bytes += static_cast<char>(0x80 | (point & 0x3F));
        }
    }
    return bytes;
}

}  // namespace trivelan::design
