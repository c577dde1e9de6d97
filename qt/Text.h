#pragma once

#include <QString>
#include <string>
#include <string_view>

#include "design/Text.h"

// The logic and the design speak UTF-16 as char16_t with CR LF line ends; Qt's
// text widgets keep one '\n' per line.
namespace trivelan::qt {

[[nodiscard]] inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

[[nodiscard]] inline QString ToWidgetText(std::u16string_view text) {
    return ToQString(design::ToLineFeeds(text));
}

[[nodiscard]] inline std::u16string FromWidgetText(const QString& text) {
    return design::ToCrLf(ToU16(text));
}

}  // namespace trivelan::qt
