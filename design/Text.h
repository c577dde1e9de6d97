#pragma once

#include <string>
#include <string_view>

// The logic and the design end lines with CR LF. Qt's text box and the page's
// textarea keep one line feed per line, and convert with these two; a Win32
// edit box keeps CR LF itself.
namespace trivelan::design {

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
