#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "FormDesign.h"
#include "Presentation.h"
#include "Text.h"
#include "Version.h"

// What the program is, in the words every description of it uses: --help,
// the launcher, the metadata, the manual page, the read-mes, the page's
// description and the Debian package's (in English) are made from these.
namespace trivelan::design {

// The program's file name, as a user types it.
[[nodiscard]] inline std::u16string ProgramName() { return Ascii(kProgramName); }

// What kind of program it is, in a few words.
inline constexpr std::u16string_view kGenericName = u"Упражнение по математика и информатика";
// What it does, in a line.
inline constexpr std::u16string_view kSummary = u"Палиндром и балансирана редица от 15 цифри";

// The exercise, a paragraph each.
[[nodiscard]] inline std::vector<std::u16string> Description() {
    return {std::u16string(kTitle) +
                u" е упражнение по математика и информатика за училище. Редица от 15 клетки с "
                u"цифри започва от нули; щракване върху клетка увеличава цифрата ѝ с 1, а след 9 "
                u"идва 0.",
            u"Бутонът „Провери“ казва дали редицата е палиндром и дали е балансирана: дали някой "
            u"елемент я дели на две части с равни суми; цифрата му се подчертава. Бутонът "
            u"„Чисти“ връща редицата в началото."};
}

// The same in English, for the Debian package and the project's read-me; the
// program itself never shows it.
inline constexpr std::u16string_view kEnglishSummary =
    u"school exercise on palindromes and balanced rows of digits";

[[nodiscard]] inline std::vector<std::u16string> EnglishDescription() {
    return {u"Trivelan (" + std::u16string(kTitle) +
                u") is a small exercise for school mathematics and informatics, in Bulgarian. A "
                u"row of 15 digit cells starts at 0; a click on a cell raises its digit by one, "
                u"and 9 wraps to 0. The check button tells whether the row is a palindrome and "
                u"whether it is balanced, that is whether some element splits it into two parts "
                u"of equal sum; that digit is underlined.",
            u"For the classroom the window zooms up to " +
                std::u16string(Decimal<kZoomSteps.back()>().View()) +
                u" % and goes full screen for a projector, and the whole exercise can be done "
                u"with the keyboard."};
}

}  // namespace trivelan::design
