#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

// The logic and the design speak UTF-16 as char16_t with CR LF line ends; the
// page's strings reach C++ as wchar_t (UTF-32 here), and a textarea keeps one
// '\n' per line.
namespace trivelan::web {

[[nodiscard]] inline emscripten::val ToJs(std::u16string_view text) {
    std::wstring wide;
    wide.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char32_t c = text[i];
        const bool pair = c >= 0xD800 && c < 0xDC00 && i + 1 < text.size();
        if (pair) {
            wide += static_cast<wchar_t>(0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00));
        } else {
            wide += static_cast<wchar_t>(c);
        }
    }
    return emscripten::val(wide);
}

[[nodiscard]] inline std::u16string FromJs(const emscripten::val& text) {
    std::u16string utf16;
    for (const wchar_t c : text.as<std::wstring>()) {
        const auto point = static_cast<char32_t>(c);
        if (point >= 0x10000) {
            utf16 += static_cast<char16_t>(0xD800 + ((point - 0x10000) >> 10));
            utf16 += static_cast<char16_t>(0xDC00 + ((point - 0x10000) & 0x3FF));
        } else {
            utf16 += static_cast<char16_t>(point);
        }
    }
    return utf16;
}

[[nodiscard]] inline std::u16string ToWidgetText(std::u16string_view text) {
    std::u16string shown;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') continue;
        shown += text[i];
    }
    return shown;
}

[[nodiscard]] inline std::u16string FromWidgetText(std::u16string_view text) {
    std::u16string contract;
    for (const char16_t c : text) {
        if (c == u'\n') contract += u'\r';
        contract += c;
    }
    return contract;
}

}  // namespace trivelan::web
