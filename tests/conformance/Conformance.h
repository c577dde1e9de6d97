#pragma once

#include <string>
#include <vector>

#include "Scenarios.h"
#include "design/FormDesign.h"
#include "design/Presentation.h"
#include "design/Text.h"

// Runs a scenario of the table on a window through that window's driver, a
// step at a time: a window's modal box may run its own message loop between
// two steps, and the window's loop calls Step again.
namespace trivelan::conformance {

// What a window's driver does with real input and reads back as a user sees it.
class Driver {
  public:
    virtual ~Driver() = default;
    // One quick press and release on a digit cell, by mouse or finger.
    virtual void Press(int cell, bool touch) = 0;
    // Lets more than the double-click time go by.
    virtual void Pause() = 0;
    virtual void Click(int button) = 0;  // 0: check, 1: clear
    // A key pressed and let go, or held (its repeat); names as in the table.
    virtual void Key(const std::string& key, bool held) = 0;
    // Text typed into the focused control, UTF-8, "|" for a line break.
    virtual void Type(const std::string& text) = 0;
    // The digit a cell shows, UTF-8, and whether it is underlined.
    [[nodiscard]] virtual std::string Digit(int cell) const = 0;
    [[nodiscard]] virtual bool IsUnderlined(int cell) const = 0;
    // The fifteen digits, and the underlined cells ("3", "none").
    [[nodiscard]] virtual std::string Row() const {
        std::string row;
        for (int k = 0; k < design::kDigitCellCount; ++k) row += Digit(k);
        return row;
    }
    [[nodiscard]] virtual std::string Underlined() const {
        std::string underlined;
        for (int k = 0; k < design::kDigitCellCount; ++k) {
            if (!IsUnderlined(k)) continue;
            if (!underlined.empty()) underlined += ' ';
            underlined += std::to_string(k);
        }
        return underlined.empty() ? "none" : underlined;
    }
    // Text1(0), Command1(0), Command1(1), Label2(K) or help.
    [[nodiscard]] virtual std::string Focus() const = 0;
    // UTF-8, lines ended by CR LF.
    [[nodiscard]] virtual std::string Report() const = 0;
    [[nodiscard]] virtual int HelpBoxes() const = 0;
    // What the user was told above the statement when the window started with
    // a row that could not be read, UTF-8; "" for nothing.
    [[nodiscard]] virtual std::string Told() const {
        const std::string report = Report();
        const std::string statement = "\r\n\r\n" + design::ToUtf8(design::kStatement);
        if (report.size() <= statement.size() || !report.ends_with(statement)) return "";
        return report.substr(0, report.size() - statement.size());
    }
    // The page's address fragment, and the entries its history gained since
    // the page opened; the page loaded again.
    [[nodiscard]] virtual std::string Address() const { return "(no address)"; }
    [[nodiscard]] virtual int History() const { return -1; }
    virtual void Reload() {}
    // Why the window cannot make, or read, a step of this verb at all, or "";
    // such a step, and what follows it in its scenario, is skipped by name.
    [[nodiscard]] virtual std::string Cannot(const std::string& /*verb*/,
                                             const std::string& /*text*/) const {
        return "";
    }
    // The open help box: its title, whether its text is the design's help for
    // this window, whether the box is whole in the middle of the screen, and whether it is
    // read from the statement; "none".
    [[nodiscard]] virtual std::string HelpBox() const = 0;
    // The desktop windows' zoom in per cent, and "design" when every control
    // stands at its design place and size, in its design font, at that zoom
    // (or else the first control that does not).
    [[nodiscard]] virtual int Zoom() const { return 100; }
    [[nodiscard]] virtual std::string Layout() const { return "design"; }
    // Lets what the window does after an event (the focus coming back when a
    // box closes) arrive; false when nothing more can come.
    virtual bool Settle() { return false; }
};

// Whether a box stands whole in the area and in its middle, to a pixel.
inline bool Centred(const design::PixelRect& box, const design::PixelRect& area) {
    const int left = box.left - area.left;
    const int right = area.left + area.width - (box.left + box.width);
    const int top = box.top - area.top;
    const int bottom = area.top + area.height - (box.top + box.height);
    return left >= 0 && right >= 0 && top >= 0 && bottom >= 0 && left - right <= 1 &&
           right - left <= 1 && top - bottom <= 1 && bottom - top <= 1;
}

// How a driver names what it sees of a help box; read from the statement:
// the focus in the text, with the caret where the exercise statement starts.
inline std::string HelpBoxSeen(const std::string& title, bool designText, bool centred,
                               bool fromStatement) {
    return title + (designText ? ", the design's text" : ", another text") +
           (centred ? ", centred on the screen" : ", not centred on the screen") +
           (fromStatement ? ", read from the statement" : ", read from elsewhere");
}

// What a desktop driver sees of its window for a "layout" step.
struct WindowSeen {
    bool fullScreen;
    int zoom;
    design::Size screen;  // the monitor
    design::Size size;    // the window as the design measures it: its client area, or in
                          // full screen the whole window
    design::Point place;  // its outer top left, on the monitor in full screen
};

// "design" when the window has its size (the design at its zoom, or the whole
// screen in full screen, and then "full screen"), stands back where it was
// after full screen, and asDesigned(control, fit) holds for every control at
// the fit; else what is not.
class LayoutCheck {
  public:
    std::string operator()(const WindowSeen& w, const auto& asDesigned) {
        const design::ScreenFit fit = w.fullScreen
                                          ? design::FitToScreen(w.screen.width, w.screen.height)
                                          : design::ScreenFit{{w.zoom / 100.0}, 0, 0};
        const design::PixelRect client =
            design::ToPixels(fit.scale, 0, 0, design::kClientWidth, design::kClientHeight);
        if (w.size != (w.fullScreen ? w.screen : design::Size{client.width, client.height}) ||
            (w.fullScreen && w.place != design::Point{0, 0})) {
            return "the window's size";
        }
        if (!w.fullScreen && wasFull_ && w.place != windowed_) return "the window's place";
        wasFull_ = w.fullScreen;
        if (!w.fullScreen) windowed_ = w.place;
        for (const design::ControlDesign& c : design::AllControls()) {
            if (!asDesigned(c, fit)) return design::ControlName(c);
        }
        return w.fullScreen ? "full screen" : "design";
    }

  private:
    design::Point windowed_{};
    bool wasFull_ = false;
};

class Run {
  public:
    Run(const Scenario& scenario, Driver& driver) : scenario_(scenario), driver_(driver) {}

    // Does the next action; false when the scenario is done. Safe to call
    // again from inside an action, as a modal box's loop does.
    bool Step() {
        if (next_ >= scenario_.actions.size()) return false;
        Do(scenario_.actions.at(next_++));
        return true;
    }

    [[nodiscard]] const std::vector<std::string>& Failures() const { return failures_; }
    [[nodiscard]] const std::vector<std::string>& Skipped() const { return skipped_; }

  private:
    void Do(const Action& a) {
        if (a.verb == "start") return;  // the window was opened so
        // What follows such a step counts on it: the rest of the scenario goes too.
        if (const std::string reason = driver_.Cannot(a.verb, a.text); !reason.empty()) {
            skipped_.push_back(scenario_.name + ", from line " + std::to_string(a.line) + ", " +
                               a.verb + ": " + reason);
            next_ = scenario_.actions.size();
            return;
        }
        if (a.verb == "reload") {
            driver_.Reload();
        } else if (a.verb == "press" || a.verb == "tap") {
            driver_.Press(a.number, a.verb == "tap");
        } else if (a.verb == "pause") {
            driver_.Pause();
        } else if (a.verb == "click") {
            driver_.Click(a.text == "check" ? 0 : 1);
        } else if (a.verb == "key" || a.verb == "hold") {
            driver_.Key(a.text, a.verb == "hold");
        } else if (a.verb == "type") {
            driver_.Type(a.text);
        } else if (!Holds(a)) {
            Report(a);
        }
    }

    [[nodiscard]] std::string Seen(const Action& a) const {
        if (a.verb == "row") return driver_.Row();
        if (a.verb == "underline") return driver_.Underlined();
        if (a.verb == "report") return driver_.Report();
        if (a.verb == "focus") return driver_.Focus();
        if (a.verb == "help") return std::to_string(driver_.HelpBoxes());
        if (a.verb == "zoom") return std::to_string(driver_.Zoom());
        if (a.verb == "helpbox") return driver_.HelpBox();
        if (a.verb == "layout") return driver_.Layout();
        if (a.verb == "told") return driver_.Told();
        if (a.verb == "address") return driver_.Address();
        if (a.verb == "history") return std::to_string(driver_.History());
        return "(no such step)";
    }

    [[nodiscard]] static std::string Expected(const Action& a) {
        if (a.verb != "report") return a.text;
        std::string expected = a.text;
        for (std::size_t at = expected.find('|'); at != std::string::npos;
             at = expected.find('|', at + 2)) {
            expected.replace(at, 1, "\r\n");
        }
        return expected;
    }

    // Whether an expectation holds, once the window has settled; a busy
    // machine may take seconds to deliver the window manager's part.
    bool Holds(const Action& a) {
        for (int tries = 0; tries < 500; ++tries) {
            if (Seen(a) == Expected(a)) return true;
            if (!driver_.Settle()) return false;
        }
        return false;
    }

    void Report(const Action& a) {
        failures_.push_back(scenario_.name + ", line " + std::to_string(a.line) + ", " + a.verb +
                            ": expected \"" + Expected(a) + "\", seen \"" + Seen(a) + "\"");
    }

    const Scenario& scenario_;
    Driver& driver_;
    std::size_t next_ = 0;
    std::vector<std::string> failures_;
    std::vector<std::string> skipped_;
};

}  // namespace trivelan::conformance
