#pragma once

#include <optional>

#include "Commands.h"
#include "Presentation.h"

// What a window does for each of its commands: every window hands a command
// over with what it knows of its screen and focus, and carries out the answer.
namespace trivelan::design {

enum class Effect {
    Nothing,
    ShowHelp,         // open the help box; the window calls HelpClosed when it goes
    SelectAllReport,  // select the whole report
    Place,            // lay the window out anew
    Beep,             // a zoom refused: at its end or at the screen's edge
};

struct CommandOutcome {
    Effect effect = Effect::Nothing;
    std::optional<Placement> placement;  // with Place
};

class WindowRules {
  public:
    explicit constexpr WindowRules(Window window) : window_(window) {}

    [[nodiscard]] constexpr std::optional<Command> CommandFor(Key key, bool control) const {
        return design::CommandFor(key, control, window_);
    }

    // windowPosition is the window's outer top left, kept for leaving full screen.
    constexpr CommandOutcome Apply(Command command, const Screen& screen, Point windowPosition,
                                   bool reportHasFocus) {
        if (!Offers(window_, command)) return {};
        switch (command) {
            case Command::Help:
                // F1 again while the help is open keeps the one box.
                if (helpOpen_) return {};
                helpOpen_ = true;
                return {Effect::ShowHelp, std::nullopt};
            case Command::SelectAllReport:
                return {reportHasFocus ? Effect::SelectAllReport : Effect::Nothing, std::nullopt};
            default:
                break;
        }
        const Outcome outcome = presentation_.Apply(command, screen, windowPosition);
        if (outcome.refused) return {Effect::Beep, std::nullopt};
        if (outcome.placement) return {Effect::Place, outcome.placement};
        return {};
    }

    constexpr void HelpClosed() { helpOpen_ = false; }
    // The window these rules are for.
    [[nodiscard]] constexpr Window Target() const { return window_; }
    [[nodiscard]] constexpr int Zoom() const { return presentation_.Zoom(); }
    [[nodiscard]] constexpr bool IsFullScreen() const { return presentation_.IsFullScreen(); }
    // Where the controls go now: in a page, the design as large as the browser
    // window allows, centred in it.
    [[nodiscard]] constexpr Placement Place(const Screen& screen) const {
        if (window_ == Window::Page) {
            const ScreenFit fit = FitToScreen(screen.whole.width, screen.whole.height);
            return {fit.scale,
                    {fit.left, fit.top},
                    {screen.whole.width, screen.whole.height},
                    false,
                    std::nullopt};
        }
        return presentation_.Place(screen);
    }

  private:
    Window window_;
    Presentation presentation_;
    bool helpOpen_ = false;
};

}  // namespace trivelan::design
