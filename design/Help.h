#pragma once

#include <string>
#include <string_view>

#include "FormDesign.h"
#include "Version.h"

// The help a pupil or teacher opens with F1: the exercise again (the report box
// no longer shows it after a check), the keys, the version and the licence.
namespace trivelan::design {

inline constexpr std::u16string_view kHelpTitle = u"Помощ — Тривелан";

inline constexpr std::u16string_view kHelpKeys =
    u"Клавиши\r\n"
    u"Tab, Shift+Tab — към отчета, „Провери“, „Чисти“ и редицата от цифри\r\n"
    u"Стрелки наляво и надясно, Home, End — избор на цифра в редицата\r\n"
    u"Интервал или Enter — увеличава избраната цифра с 1 или натиска избрания бутон\r\n"
    u"Ctrl+Плюс, Ctrl+Минус — по-едър или по-дребен изглед (от 100 до 300 %), "
    u"Ctrl+0 — 100 %\r\n"
    u"F11 — цял екран, Esc — обратно в прозорец\r\n"
    u"F1 — тази помощ, Esc — затваря я\r\n";

inline constexpr std::u16string_view kLicence =
    u"Тривелан е свободен софтуер: можете да го разпространявате и променяте при условията "
    u"на GNU General Public License, версия 3 или по-нова.\r\n";

// CR LF after every line, as in the design's texts.
[[nodiscard]] inline std::u16string HelpText() {
    const std::string_view version = kVersionText;  // ASCII
    std::u16string text;
    text.append(u"Тривелан — упражнение по математика и информатика\r\n\r\n");
    text.append(u"Задачата\r\n").append(kStatement).append(u"\r\n");
    text.append(kHelpKeys).append(u"\r\n");
    text.append(u"Версия ").append(version.begin(), version.end()).append(u"\r\n").append(kLicence);
    return text;
}

}  // namespace trivelan::design
