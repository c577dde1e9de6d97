#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "About.h"
#include "Commands.h"
#include "FormDesign.h"
#include "Presentation.h"
#include "Text.h"
#include "Twips.h"
#include "Version.h"

// The help a pupil or teacher opens with F1: the exercise again (the report box
// no longer shows it after a check), the keys, the version and the licence, in
// a box that fits its screen's work area at every size.
namespace trivelan::design {

inline constexpr auto kHelpTitleText =
    Join<JoinedLength({u"Помощ — ", kTitle})>({u"Помощ — ", kTitle});
inline constexpr std::u16string_view kHelpTitle = kHelpTitleText.View();

// A line of the keys: the keys, what they do, and the command a window must
// offer to list it.
struct HelpLine {
    std::optional<Command> needs;
    std::u16string_view keys;
    std::u16string_view does;
};

inline constexpr std::array<HelpLine, 6> kHelpKeys{{
    {std::nullopt, u"Tab, Shift+Tab", u"към отчета, „Провери“, „Чисти“ и редицата от цифри"},
    {std::nullopt, u"Стрелки наляво и надясно, Home, End", u"избор на цифра в редицата"},
    {std::nullopt, u"Интервал или Enter",
     u"увеличава избраната цифра с 1 или натиска избрания бутон"},
    {Command::ZoomIn, u"Ctrl+Плюс, Ctrl+Минус", u"по-едър или по-дребен изглед"},
    {Command::ToggleFullScreen, u"F11", u"цял екран, Esc — обратно в прозорец"},
    {Command::Help, u"F1", u"помощ, Esc — затваря я"},
}};

// The zoom's range, as its steps go, after what its keys do.
inline constexpr auto kZoomFirst = Decimal<kZoomSteps.front()>();
inline constexpr auto kZoomLast = Decimal<kZoomSteps.back()>();
inline constexpr auto kZoomNone = Decimal<kNoZoom>();
inline constexpr auto kZoomRangeText =
    Join<JoinedLength({u" (от ", kZoomFirst.View(), u" до ", kZoomLast.View(), u" %), Ctrl+0 — ",
                       kZoomNone.View(), u" %"})>({u" (от ", kZoomFirst.View(), u" до ",
                                                   kZoomLast.View(), u" %), Ctrl+0 — ",
                                                   kZoomNone.View(), u" %"});

// The keys this window answers to, each to line(keys, what they do, what
// more they do).
template <typename Line>
constexpr void ForEachKeyLine(Window window, Line&& line) {
    for (const HelpLine& help : kHelpKeys) {
        if (help.needs && !Offers(window, *help.needs)) continue;
        line(help.keys, help.does,
             help.needs == Command::ZoomIn ? kZoomRangeText.View() : std::u16string_view());
    }
}

// What stands above the exercise statement.
inline constexpr auto kHelpHeadingText =
    Join<JoinedLength({kTitle, u" — ", kGenericName, u"\r\n\r\nЗадачата\r\n"})>(
        {kTitle, u" — ", kGenericName, u"\r\n\r\nЗадачата\r\n"}, 2);
inline constexpr std::u16string_view kHelpHeading = kHelpHeadingText.View();

// The help's parts in order, each to part(text): CR LF after every line, as in
// the design's texts; only the keys this window answers to.
template <typename Part>
constexpr void ForEachHelpPart(Window window, Part&& part) {
    part(kHelpHeading);
    part(kStatement);
    part(u"\r\nКлавиши\r\n");
    ForEachKeyLine(window, [&part](std::u16string_view keys, std::u16string_view does,
                                   std::u16string_view more) {
        part(keys);
        part(u" — ");
        part(does);
        part(more);
        part(u"\r\n");
    });
    part(u"\r\nВерсия ");
    part(kVersion);
    part(u"\r\n");
    part(kTitle);
    part(
        u" е свободен софтуер: можете да го разпространявате и променяте при условията на GNU "
        u"General Public License, версия 3 или по-нова.\r\n");
}

[[nodiscard]] constexpr std::size_t HelpLength(Window window) {
    std::size_t length = 0;
    ForEachHelpPart(window, [&length](std::u16string_view part) { length += part.size(); });
    return length;
}

// Each window's help, joined by the compiler.
template <Window W>
[[nodiscard]] constexpr JoinedText<HelpLength(W)> JoinHelp() {
    JoinedText<HelpLength(W)> text;
    std::size_t at = 0;
    ForEachHelpPart(W, [&text, &at](std::u16string_view part) {
        for (const char16_t c : part) text.chars.at(at++) = c;
    });
    return text;
}
// constexpr, so joined at compile time; clang-tidy cannot tell for a variable
// template read as WebAssembly.
template <Window W>
inline constexpr auto kHelpText = JoinHelp<W>();  // NOLINT(bugprone-dynamic-static-initializers)

[[nodiscard]] constexpr std::u16string_view HelpText(Window window) {
    return window == Window::Page ? kHelpText<Window::Page>.View()
                                  : kHelpText<Window::Desktop>.View();
}

// The help box opens with the focus in its text and the caret at the start of
// the statement: a screen reader says the box's title and the statement's first
// line, and the pupil reads on line by line with the reader's own keys. The
// caret's place in the text as the box keeps it, with CR LF or with line feeds.
[[nodiscard]] inline std::size_t HelpCaret(bool lineFeeds) {
    return lineFeeds ? ToLineFeeds(kHelpHeading).size() : kHelpHeading.size();
}

// What closes a box the program shows: the help, or the report of a run-time error.
inline constexpr std::u16string_view kDialogOk = u"Добре";
// What a screen reader calls the text of each box.
inline constexpr std::u16string_view kHelpTextName = u"Текст на помощта";
inline constexpr std::u16string_view kErrorTextName = u"Съобщение за грешка";

// The help box, designed in twips like the form and drawn at the form's scale:
// the text with a vertical scroll bar, and under it the button that closes it.
inline constexpr int kHelpWidth = 7215;
inline constexpr int kHelpHeight = 7200;
inline constexpr int kHelpMargin = 120;
inline constexpr int kHelpButtonWidth = 1215;
inline constexpr int kHelpButtonHeight = 375;

struct HelpPlacement {
    Point position;  // the box's outer top left
    Size client;
    PixelRect text;
    PixelRect button;
};

// The box never leaves the work area: smaller than designed where the screen
// is smaller (its text scrolls), and centred on the work area.
[[nodiscard]] constexpr HelpPlacement PlaceHelp(Scale scale, const Screen& screen) {
    const Size client{
        std::min(scale.Pixels(kHelpWidth), screen.workArea.width - screen.frame.width),
        std::min(scale.Pixels(kHelpHeight), screen.workArea.height - screen.frame.height)};
    const int margin = scale.Pixels(kHelpMargin);
    const int buttonWidth = scale.Pixels(kHelpButtonWidth);
    const int buttonHeight = scale.Pixels(kHelpButtonHeight);
    const PixelRect button{client.width - margin - buttonWidth,
                           client.height - margin - buttonHeight, buttonWidth, buttonHeight};
    const PixelRect text{margin, margin, client.width - 2 * margin,
                         std::max(0, button.top - 2 * margin)};
    const Point position{
        screen.workArea.left + (screen.workArea.width - client.width - screen.frame.width) / 2,
        screen.workArea.top + (screen.workArea.height - client.height - screen.frame.height) / 2};
    return {position, client, text, button};
}

}  // namespace trivelan::design
