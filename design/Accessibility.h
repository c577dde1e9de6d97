#pragma once

#include <optional>
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

// What a screen reader is told of a change that moving the focus does not tell
// (the mark entering the row or moving in it is heard from the focus itself):
// the text, once, and whether it is the new name of the control with the focus.
// A window tells it by the channel its platform's readers hear: the focused
// control's own name-change event where readers present that, else a notice
// read out wherever the focus is.
struct ReaderNews {
    std::u16string text;
    bool focusRenamed = false;
};

// After a click on a cell, by mouse, key or a reader's own action: the cell's
// new name. It is the focused control's new name when the cell had the focus
// (a key on the marked cell); a mouse press leaves the focus elsewhere.
[[nodiscard]] inline ReaderNews AfterCellClick(int cell, std::u16string_view digit,
                                               bool cellHasFocus) {
    return {CellName(cell, digit), cellHasFocus};
}

// What a screen reader is told after a button press, whose focus stays on the
// button: the report's new text on one line when the press changed it, or
// nothing when it did not or emptied it ("Чисти" says no verdict).
[[nodiscard]] inline std::optional<std::u16string> Announcement(std::u16string_view before,
                                                                std::u16string_view after) {
    if (after == before || after.empty()) return std::nullopt;
    std::u16string line;
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (after[i] == u'\r' && i + 1 < after.size() && after[i + 1] == u'\n') {
            if (i + 2 < after.size()) line += u' ';
            ++i;
        } else {
            line += after[i];
        }
    }
    return line;
}

}  // namespace trivelan::design
