#pragma once

#include <QString>
#include <string>
#include <string_view>

// The logic and the design speak UTF-16 as char16_t with CR LF line ends; Qt's
// text widgets keep one '\n' per line.
namespace trivelan::qt {

[[nodiscard]] inline QString ToQString(std::u16string_view text) {
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

[[nodiscard]] inline std::u16string ToU16(const QString& text) { return text.toStdU16String(); }

[[nodiscard]] inline QString ToWidgetText(std::u16string_view text) {
    return ToQString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

[[nodiscard]] inline std::u16string FromWidgetText(QString text) {
    return ToU16(text.replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

}  // namespace trivelan::qt
