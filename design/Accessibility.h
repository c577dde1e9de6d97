#pragma once

#include <string>
#include <string_view>

#include "FormDesign.h"

// What a screen reader calls each control, in every window.
namespace trivelan::design {

// A digit cell by its position 1 to 15 and its digit: "Позиция 3: 5".
[[nodiscard]] inline std::u16string CellName(int cell, std::u16string_view digit) {
    const int position = cell + 1;  // 1 to 15
    std::u16string name(DigitCell(cell).accessibleName);
    name += u' ';
    if (position >= 10) name += static_cast<char16_t>(u'0' + position / 10);
    name += static_cast<char16_t>(u'0' + position % 10);
    return name.append(u": ").append(digit);
}

// A control with a caption is called by its caption, so that a user can say
// what the screen shows; the text boxes by their own names; a cell by its
// position and design-time digit.
[[nodiscard]] inline std::u16string AccessibleName(const ControlDesign& control) {
    if (IsDigitCell(control)) return CellName(control.index, control.text);
    if (!control.accessibleName.empty()) return std::u16string(control.accessibleName);
    return std::u16string(control.text);
}

}  // namespace trivelan::design
