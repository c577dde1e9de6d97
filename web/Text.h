#pragma once

#include <emscripten/val.h>

#include <string>
#include <string_view>

// The logic and the design speak UTF-16 as char16_t; the page's strings reach
// C++ as wchar_t (UTF-32 here).
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

}  // namespace trivelan::web
