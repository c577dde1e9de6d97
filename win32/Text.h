#pragma once

#include <windows.h>

#include <string>
#include <string_view>

// The logic speaks UTF-16 as char16_t; the wide Windows API speaks it as wchar_t.
namespace trivelan::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "wide Windows strings are UTF-16");

[[nodiscard]] inline std::wstring Wide(std::u16string_view text) {
    return {text.begin(), text.end()};
}
[[nodiscard]] inline std::u16string Utf16(std::wstring_view text) {
    return {text.begin(), text.end()};
}

// A window's whole text, as a screen reader reads it with WM_GETTEXT.
[[nodiscard]] inline std::wstring WindowText(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

}  // namespace trivelan::win32
