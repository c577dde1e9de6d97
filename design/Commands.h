#pragma once

#include <array>
#include <optional>

// The classroom commands and the keys that give them, the same in every
// window: a window only turns its toolkit's key into a Key and asks.
namespace trivelan::design {

enum class Command {
    ZoomIn,
    ZoomOut,
    NoZoom,
    ToggleFullScreen,
    LeaveFullScreen,
    Help,
    SelectAllReport,  // a text box outside a dialog has no Ctrl+A of its own everywhere
};

// The keys the commands use, as a window translates them from its own codes.
enum class Key {
    Plus,
    Equal,
    KeypadPlus,
    Minus,
    KeypadMinus,
    Zero,
    KeypadZero,
    F11,
    Escape,
    F1,
    A
};

struct KeyBinding {
    Key key;
    bool control;  // with Ctrl held
    Command command;
};

inline constexpr std::array<KeyBinding, 11> kKeyBindings{{
    {Key::Plus, true, Command::ZoomIn},
    {Key::Equal, true, Command::ZoomIn},
    {Key::KeypadPlus, true, Command::ZoomIn},
    {Key::Minus, true, Command::ZoomOut},
    {Key::KeypadMinus, true, Command::ZoomOut},
    {Key::Zero, true, Command::NoZoom},
    {Key::KeypadZero, true, Command::NoZoom},
    {Key::F11, false, Command::ToggleFullScreen},
    {Key::Escape, false, Command::LeaveFullScreen},
    {Key::F1, false, Command::Help},
    {Key::A, true, Command::SelectAllReport},
}};

// The windows: the desktop ones, and the page, which leaves zoom and full
// screen to the browser, whose own keys they are there.
enum class Window { Desktop, Page };

[[nodiscard]] constexpr bool Offers(Window window, Command command) {
    return window == Window::Desktop || command == Command::Help ||
           command == Command::SelectAllReport;
}

// The command a key gives in a window, if that window offers one for it.
[[nodiscard]] constexpr std::optional<Command> CommandFor(Key key, bool control,
                                                          Window window = Window::Desktop) {
    for (const KeyBinding& binding : kKeyBindings) {
        if (binding.key == key && binding.control == control && Offers(window, binding.command))
            return binding.command;
    }
    return std::nullopt;
}

}  // namespace trivelan::design
