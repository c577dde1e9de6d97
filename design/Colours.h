#pragma once

#include <optional>
#include <variant>

#include "FormDesign.h"

// The colours a window paints its controls in. Outside a high-contrast theme:
// the design's backgrounds, each text in black, chosen with them (the design
// sets no text colour, and a system's dark scheme would put its light text on
// the design's light faces). In a high-contrast theme: the system's own pairs,
// so that the theme a pupil chose decides every colour.
namespace trivelan::design {

// The system colours a high-contrast theme sets.
enum class SystemColour { Window, WindowText, ButtonFace, ButtonText, Highlight };

using Colour = std::variant<Rgb, SystemColour>;

struct Paint {
    Colour background;
    Colour text;
};

inline constexpr Rgb kTextColour{0, 0, 0};

// The window's own face, and the frame caption's text on it.
[[nodiscard]] constexpr Paint WindowPaint(bool highContrast) {
    if (highContrast) return {SystemColour::Window, SystemColour::WindowText};
    return {kWindowBackground, kTextColour};
}

// A control with a background of its design; nullopt for the text boxes,
// which keep the toolkit's own pair in every scheme.
[[nodiscard]] constexpr std::optional<Paint> PaintOf(const ControlDesign& control,
                                                     bool highContrast) {
    if (!control.background) return std::nullopt;
    if (!highContrast) return Paint{*control.background, kTextColour};
    if (control.kind == ControlKind::PushButton) {
        return Paint{SystemColour::ButtonFace, SystemColour::ButtonText};
    }
    return WindowPaint(true);
}

// The keyboard's mark on a digit cell: the system's highlight in every scheme.
inline constexpr SystemColour kMarkColour = SystemColour::Highlight;

}  // namespace trivelan::design
