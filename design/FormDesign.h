#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "Version.h"
#include "logic/SequenceForm.h"

// The window's design-time values, as the form designer set them: positions in
// twips relative to the container, RGB colours, fonts in points, texts, tab indexes.
namespace trivelan::design {

struct Rgb {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

enum class ControlKind { Label, Frame, PushButton, TextBox };
enum class Container { Window, Frame1 };

struct ControlDesign {
    std::string_view name;  // control array name
    int index;              // element index; -1 for a single control
    ControlKind kind;
    Container container;
    int left;
    int top;
    int width;
    int height;
    std::optional<Rgb> background;  // nullopt: the toolkit's default
    int fontPoints;
    std::u16string_view text;
    int tabIndex;
    bool visible;
    bool centred;
    // What a screen reader calls a control without a caption of its own (a text
    // box; a digit cell, which adds its position 1 to 15). A control with a
    // caption is called by its caption, so a user can say what the screen shows.
    std::u16string_view accessibleName;
    // What a screen reader says beyond the name.
    std::u16string_view accessibleDescription;
};

inline constexpr std::u16string_view kFontFamily = u"Times New Roman";
inline constexpr int kWindowFontPoints = 12;
inline constexpr int kCellFontPoints = 36;

inline constexpr int kClientWidth = 7215;
inline constexpr int kClientHeight = 5445;
inline constexpr Rgb kWindowBackground{128, 128, 255};
// The window's own name, as the form data calls it.
inline constexpr std::string_view kFormName = "SequenceForm";
inline constexpr std::u16string_view kCaption = kWindowCaption;
inline constexpr std::u16string_view kTitle = kProgramTitle;

inline constexpr std::u16string_view kStatement =
    u"Ще наричаме една редица балансирана, ако в нея съществува елемент такъв, че сумата на "
    u"всички елементи от началото до него включително е равна на сумата на останалите елементи "
    u"до края на редицата.\r\n"
    u"Да се реализира проект, представящ междупредметни връзки между Математика и Информатика.\r\n"
    u"Тема на проекта: Тривелан.\r\n"
    u"Проектът да съдържа 15 обекта, представящи елементи в редицата. Всеки обект съдържа едно "
    u"цифрено естествено число, като началната стойност от тях е 0.\r\n"
    u"Да се въвеждат цифри, чрез събитие On-Click върху един от 15-те възможни обекта. При всяко "
    u"събитие, стойността се увеличава с 1, но не нахвърля 9.\r\n"
    u"Проектът да осъществява проверка дали въведените цифри образуват: \r\n"
    u"палиндром - 001100000001100\r\n"
    u"балансирана редица - 001120000001111\r\n";

inline constexpr std::u16string_view kMotto =
    u"Неприятното в това да си първият, направил нещо по \r\n"
    u"правилния начин, е, че никой не оценява колко трудно е \r\n"
    u"било. \r\n";

inline constexpr int kDigitCellCount = logic::kCellCount;
inline constexpr int kDigitCellStep = 360;

// clang-format off
//                                    name        index kind              container          left  top   width height background             font               text                              tab visible centred  accessible name, description
inline constexpr ControlDesign kLabel1  {"Label1",   0, ControlKind::Label,      Container::Window,  960,    0, 4575,  375, Rgb{255, 192, 128},   kWindowFontPoints, kTitle,                             2, true,  true,  {},         u"Заглавие на упражнението"};
inline constexpr ControlDesign kFrame1  {"Frame1",  -1, ControlKind::Frame,      Container::Window,  600,  600, 5895, 1335, kWindowBackground,    kWindowFontPoints, u"Промяна цифрите чрез On-Click",  5, true,  false, {},         u"Редица от 15 цифри; щракване върху цифра я увеличава с 1"};
inline constexpr ControlDesign kCheck   {"Command1", 0, ControlKind::PushButton, Container::Window,  600, 2160, 1815,  375, Rgb{0, 255, 0},       kWindowFontPoints, u"Провери",                        3, true,  true,  {},         u"Проверява дали редицата е палиндром и дали е балансирана"};
inline constexpr ControlDesign kClear   {"Command1", 1, ControlKind::PushButton, Container::Window, 4680, 2160, 1815,  375, Rgb{255, 0, 0},       kWindowFontPoints, u"Чисти",                          4, true,  true,  {},         u"Връща всички цифри на 0 и изчиства отчета"};
inline constexpr ControlDesign kReport  {"Text1",    0, ControlKind::TextBox,    Container::Window,  240, 2640, 6735, 2655, std::nullopt,         kWindowFontPoints, kStatement,                         0, true,  false, u"Отчет",   u"Условието на задачата, а след проверка — резултатът"};
inline constexpr ControlDesign kMottoBox{"Text1",    1, ControlKind::TextBox,    Container::Window,  600, 3960, 6735, 1815, std::nullopt,         kWindowFontPoints, kMotto,                             1, false, false, u"Мото",    {}};

[[nodiscard]] constexpr ControlDesign DigitCell(int k) {
    return {"Label2", k, ControlKind::Label, Container::Frame1, 240 + kDigitCellStep * k, 360, 375, 855, Rgb{255, 255, 255}, kCellFontPoints, u"0", 6 + k, true, true, u"Позиция", u"Щракване увеличава цифрата с 1"};
}
// clang-format on

static_assert(kCheck.index == logic::kCheckButton && kClear.index == logic::kClearButton,
              "the logic tells the buttons apart by their design indexes");

inline constexpr std::array<ControlDesign, 6> kSingleControls{kLabel1, kFrame1, kCheck,
                                                              kClear,  kReport, kMottoBox};

// Every control, containers before what they contain.
[[nodiscard]] constexpr std::array<ControlDesign, kSingleControls.size() + kDigitCellCount>
AllControls() {
    std::array<ControlDesign, kSingleControls.size() + kDigitCellCount> all{};
    std::copy(kSingleControls.begin(), kSingleControls.end(), all.begin());
    for (int k = 0; k < kDigitCellCount; ++k) {
        all.at(kSingleControls.size() + static_cast<std::size_t>(k)) = DigitCell(k);
    }
    return all;
}

// The digit cells are the labels inside Frame1.
[[nodiscard]] constexpr bool IsDigitCell(const ControlDesign& control) {
    return control.container == Container::Frame1;
}

// A control's place in the window's client area, in twips; the digit cells are
// designed relative to Frame1.
[[nodiscard]] constexpr int WindowLeft(const ControlDesign& control) {
    return IsDigitCell(control) ? kFrame1.left + control.left : control.left;
}
[[nodiscard]] constexpr int WindowTop(const ControlDesign& control) {
    return IsDigitCell(control) ? kFrame1.top + control.top : control.top;
}

// Where a control stands in AllControls(), or the array's size for none: the
// cells by arithmetic, the six single controls by their name.
[[nodiscard]] constexpr std::size_t PositionOf(const ControlDesign& control) {
    if (IsDigitCell(control))
        return kSingleControls.size() + static_cast<std::size_t>(control.index);
    for (std::size_t i = 0; i < kSingleControls.size(); ++i) {
        const ControlDesign& single = kSingleControls.at(i);
        if (single.name == control.name && single.index == control.index) return i;
    }
    return kSingleControls.size() + kDigitCellCount;
}

// The report box the form's logic writes: Text1(0).
[[nodiscard]] constexpr bool IsReport(const ControlDesign& control) {
    return control.name == kReport.name && control.index == kReport.index;
}

// The title band, which heads the window: a page's one top-level heading.
[[nodiscard]] constexpr bool IsTitle(const ControlDesign& control) {
    return control.name == kLabel1.name && control.index == kLabel1.index;
}

// Whether a control is drawn in a font size of its own rather than the
// window's: the digit cells.
[[nodiscard]] constexpr bool HasOwnFont(const ControlDesign& control) {
    return control.fontPoints != kWindowFontPoints;
}

// The controls' positions in AllControls() in the order Tab walks them.
[[nodiscard]] constexpr std::array<std::size_t, kSingleControls.size() + kDigitCellCount>
TabOrder() {
    const auto all = AllControls();
    std::array<std::size_t, all.size()> order{};
    for (std::size_t i = 0; i < order.size(); ++i) order.at(i) = i;
    // By tab index, the design table's order where two are equal (an
    // insertion sort keeps it), worked out by the compiler.
    for (std::size_t i = 1; i < order.size(); ++i) {
        for (std::size_t k = i;
             k > 0 && all.at(order.at(k)).tabIndex < all.at(order.at(k - 1)).tabIndex; --k) {
            std::swap(order.at(k), order.at(k - 1));
        }
    }
    return order;
}
inline constexpr auto kTabOrder = TabOrder();

// What the keyboard stops at: the shown text boxes, the buttons and the digit
// row, which stands in its frame's place as one stop (the cells take no Tab of
// their own; the row's arrows move between them).
[[nodiscard]] constexpr bool IsTabStop(const ControlDesign& control) {
    return control.kind != ControlKind::Label && control.visible;
}

// In a window whose cells take the focus themselves, rather than their frame:
// whether a control carries a Tab stop of its own. The row's one stop is its
// marked cell.
[[nodiscard]] constexpr bool HasOwnTabStop(const ControlDesign& control, int mark) {
    if (IsDigitCell(control)) return control.index == mark;
    return IsTabStop(control) && control.kind != ControlKind::Frame;
}

// The Tab stop after (or, backwards, before) the control at this position in
// AllControls(), going round at either end, as Tab and Shift+Tab walk them. A
// digit cell stands for its row, whose stop is the frame's.
[[nodiscard]] constexpr std::size_t NextTabStop(std::size_t position, bool forward) {
    const auto all = AllControls();
    const auto& order = kTabOrder;
    if (position < all.size() && IsDigitCell(all.at(position))) position = PositionOf(kFrame1);
    std::size_t at = 0;
    while (at < order.size() && order.at(at) != position) ++at;
    for (std::size_t step = 1; step <= order.size(); ++step) {
        const std::size_t next =
            forward ? (at + step) % order.size() : (at + order.size() - step) % order.size();
        if (IsTabStop(all.at(order.at(next)))) return order.at(next);
    }
    return position;
}

// Where the focus is when the window opens: its first Tab stop, the report box.
[[nodiscard]] constexpr std::size_t FirstFocus() { return NextTabStop(kTabOrder.back(), true); }

// The control that takes the focus for the stop at this position, in a window
// whose cells take it themselves: the row's marked cell for the frame.
[[nodiscard]] constexpr std::size_t FocusPosition(std::size_t position, int mark) {
    return position == PositionOf(kFrame1) ? PositionOf(DigitCell(mark)) : position;
}

// Whether a pointer press moves the focus to the control, as a desktop
// window's buttons and text boxes take it; a press on a label, the frame or a
// digit cell leaves the focus where it was.
[[nodiscard]] constexpr bool TakesFocusOnPress(const ControlDesign& control) {
    return control.kind == ControlKind::PushButton || control.kind == ControlKind::TextBox;
}

// Whether a control has a menu of its own on a right click or a long press: the
// text boxes (cut, copy, paste); the labels, the frame, the cells and the
// buttons have none, as on the desktop.
[[nodiscard]] constexpr bool HasOwnMenu(const ControlDesign& control) {
    return control.kind == ControlKind::TextBox;
}

// The name a window's object takes from its design row, with the index between
// these two marks: "Label2(3)" for a toolkit, "Label2_3" for a page's element.
[[nodiscard]] inline std::string ControlName(const ControlDesign& control,
                                             std::string_view open = "(",
                                             std::string_view close = ")") {
    std::string name(control.name);
    if (control.index >= 0) name.append(open).append(std::to_string(control.index)).append(close);
    return name;
}

}  // namespace trivelan::design
