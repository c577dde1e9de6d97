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

}  // namespace trivelan::design
