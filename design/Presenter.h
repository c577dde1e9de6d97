#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "Accessibility.h"
#include "DigitRow.h"
#include "FormDesign.h"
#include "Help.h"
#include "Presentation.h"
#include "StartRow.h"
#include "logic/HandlerGuard.h"
#include "logic/SequenceForm.h"

// The rules every window follows, as one object that drives the window: the
// form's events, the classroom commands, the row's presses and keys, and what a
// screen reader is told. A window carries out a few plain operations and hands
// its toolkit's events over; it decides nothing.
namespace trivelan::design {

// The help box as a window shows it: the text with CR LF line ends, at the
// scale the window is drawn at.
struct HelpBox {
    std::u16string_view title;
    std::u16string_view text;
    Scale scale;
};

// What a window does when the rules ask, besides the form's five operations,
// and what it knows of its screen and focus.
class WindowView : public logic::SequenceView {
  public:
    // The window at the placement's size and state, every control at its place
    // and in its font.
    virtual void Place(const Placement& placement) = 0;
    // The row's one Tab stop on this cell: the marked cell.
    virtual void MarkCell(int cell) = 0;
    // The focus to the control at this position of AllControls().
    virtual void Focus(std::size_t position) = 0;
    virtual void Beep() = 0;
    virtual void SelectReport() = 0;
    // The box stays until the user closes it; the window then says HelpClosed.
    virtual void ShowHelp(const HelpBox& box) = 0;
    virtual void Announce(const ReaderNews& news) = 0;
    // The report as the program wrote it: the caret at its start, shown from
    // its first line, and nothing of it for the user to undo (what was typed
    // before would come back into the program's text).
    virtual void ReportWritten() = 0;
    // The row in the window's address (the page's "#row=..."), with no new
    // entry in its history; a window with no address has nothing to do.
    virtual void ShowAddress(const std::u16string& /*fragment*/) {}

    [[nodiscard]] virtual Screen ScreenNow() const = 0;
    // The window's outer top left.
    [[nodiscard]] virtual Point Position() const = 0;
    // The control with the focus, where it is one of the design's.
    [[nodiscard]] virtual std::optional<std::size_t> Focused() const = 0;
};

class Presenter {
  public:
    Presenter(WindowView& view, Window window, logic::ErrorReporter reporter)
        : view_(view),
          form_(view),
          guard_(std::move(reporter)),
          window_(window),
          help_(HelpText(window)) {}

    // The window placed on its screen, the mark on the first cell, the focus on
    // the first stop; then the form's load, and the row the user started with:
    // a row that could not be read leaves the zeros, and the report says why
    // above the statement. The page's address names the row it started with,
    // and the zeros a row that could not be read left; a plain start names no
    // row until the row changes.
    void Load(const RowReading& start = {}) {
        view_.Place(Placed());
        view_.MarkCell(input_.Mark());
        view_.Focus(FirstFocus());
        guard_.Run([this, &start] {
            form_.OnLoad();
            for (std::size_t k = 0; k < start.digits.size(); ++k) {
                view_.SetCaption(static_cast<std::int16_t>(k), start.digits.substr(k, 1));
            }
            if (!start.problem.empty()) {
                view_.SetReportText(start.problem + u"\r\n\r\n" + std::u16string(kStatement));
            }
        });
        if (Stopped()) return;
        view_.ReportWritten();
        if (window_ != Window::Page) return;
        addressed_ = start.digits.empty() ? Row() : start.digits;
        if (!start.problem.empty()) view_.ShowAddress(RowAddress(addressed_));
    }

    // A press or a click on the page's first frame, made before the program
    // started, as the control's own listener would have taken it: a cell's
    // press and click, a button's click; the rest is nothing.
    void EarlyEvent(std::size_t position, bool click, std::int64_t time) {
        const auto all = AllControls();
        if (position >= all.size()) return;
        const ControlDesign& control = all.at(position);
        if (IsDigitCell(control)) {
            if (click) {
                CellClicked(control.index);
            } else {
                CellPressed(control.index, time);
            }
        } else if (click && control.kind == ControlKind::PushButton) {
            ButtonClicked(control.index);
        }
    }

    // A press of the main button or a touch on a cell, at a time in
    // milliseconds on the window's clock, with the system's double-click time
    // where the window knows it (a page does not); true when it may become a click.
    bool CellPressed(int cell, std::int64_t time,
                     std::optional<int> doubleClickTime = std::nullopt) {
        press_ =
            !Stopped() && input_.Press(cell, time, doubleClickTime.value_or(kPageDoubleClickTime))
                ? cell
                : kNoClick;
        return *press_ == cell;
    }
    // A press and its release on the same cell, the release inside it, is a click.
    void CellReleased(int cell, bool inside) {
        const bool click = press_ == cell && inside;
        press_.reset();
        if (click) Click(cell);
    }
    // A click the toolkit made of a press and its release on the cell: after a
    // press, that press's release; with none before it, a reader's action.
    void CellClicked(int cell) {
        if (press_) {
            CellReleased(cell, true);
        } else {
            CellActivated(cell);
        }
    }
    // A screen reader's action on a cell: always one whole click, never half of
    // a double click.
    void CellActivated(int cell) { Click(cell); }

    // A key on the marked cell, going down or coming up; true when the row used
    // it, and the window lets nothing else have it. Space and Enter click on the
    // way down, once for a held key; Space's way up is the row's too, where a
    // button would click a second time.
    bool CellKey(RowKey key, bool down, bool repeated) {
        if (Stopped()) return false;
        if (!down) return key == RowKey::Space;
        const int before = input_.Mark();
        const RowKeyOutcome outcome = input_.KeyDown(key, repeated);
        if (outcome.mark != before) {
            const bool rowFocused = view_.Focused() == PositionOf(DigitCell(before));
            view_.MarkCell(outcome.mark);
            if (rowFocused) view_.Focus(PositionOf(DigitCell(outcome.mark)));
        }
        if (outcome.click) Click(*outcome.click);
        return true;
    }

    // "Провери" or "Чисти", by mouse, key or a reader: the verdict is told.
    void ButtonClicked(int button) {
        if (Stopped()) return;
        const std::u16string before = view_.ReportText();
        guard_.Run([this, button] { form_.OnButtonClick(static_cast<std::int16_t>(button)); });
        if (Stopped()) return;
        view_.ReportWritten();
        if (auto said = Announcement(before, view_.ReportText())) view_.Announce({*said});
        FollowRow();
    }

    // The classroom command of a key, where this window offers one.
    [[nodiscard]] std::optional<Command> CommandFor(Key key, bool control) const {
        return design::CommandFor(key, control, window_);
    }
    // What a window does for each of its commands: F1 shows the help, one box
    // at a time; Ctrl+A selects the report where it has the focus; a zoom or
    // full screen places the window anew, or beeps where it is refused.
    void Apply(Command command) {
        if (Stopped() || !Offers(window_, command)) return;
        if (command == Command::Help) {
            if (helpOpen_) return;
            helpOpen_ = true;
            view_.ShowHelp({kHelpTitle, help_, Placed().scale});
        } else if (command == Command::SelectAllReport) {
            if (view_.Focused() == PositionOf(kReport)) view_.SelectReport();
        } else {
            const Outcome outcome =
                presentation_.Apply(command, view_.ScreenNow(), view_.Position());
            if (outcome.refused) view_.Beep();
            if (outcome.placement) view_.Place(*outcome.placement);
        }
    }
    void HelpClosed() { helpOpen_ = false; }

    // Tab or Shift+Tab where the window walks the stops itself (the page): true
    // when the focus moved, from a control of the design's.
    bool Tab(bool forward) {
        const auto focused = view_.Focused();
        if (!focused || Stopped()) return false;
        view_.Focus(FocusPosition(NextTabStop(*focused, forward), input_.Mark()));
        return true;
    }

    // The window's screen changed (a monitor's dots per inch, a browser
    // window's size): the design placed anew, the window where the system
    // suggests if it does. Full screen counts the monitor's own pixels
    // already, and stays as it is.
    void ScreenChanged(std::optional<Point> suggested = std::nullopt) {
        if (presentation_.IsFullScreen()) return;
        Placement placement = Placed();
        placement.moveTo = suggested;
        view_.Place(placement);
    }
    // Where the controls stand now: in a page, the design as large as the
    // browser window allows, centred in it.
    [[nodiscard]] Placement Placed() const {
        const Screen screen = view_.ScreenNow();
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

    // After a run-time error the window answers no more events.
    [[nodiscard]] bool Stopped() const { return guard_.Stopped(); }
    [[nodiscard]] int Zoom() const { return presentation_.Zoom(); }
    [[nodiscard]] bool IsFullScreen() const { return presentation_.IsFullScreen(); }

  private:
    static constexpr int kNoClick = -1;

    // The cell's new name is told, as the focused control's new name when the
    // cell has the focus.
    void Click(int cell) {
        if (Stopped()) return;
        const auto index = static_cast<std::int16_t>(cell);
        guard_.Run([this, index] { form_.OnDigitClick(index); });
        if (Stopped()) return;
        view_.Announce(AfterCellClick(cell, view_.Caption(index),
                                      view_.Focused() == PositionOf(DigitCell(cell))));
        FollowRow();
    }

    [[nodiscard]] std::u16string Row() const {
        std::u16string row;
        for (int k = 0; k < kDigitCellCount; ++k)
            row += view_.Caption(static_cast<std::int16_t>(k));
        return row;
    }

    // The page's address follows the row as it changes.
    void FollowRow() {
        if (window_ != Window::Page || Stopped()) return;
        std::u16string row = Row();
        if (row == addressed_) return;
        addressed_ = std::move(row);
        view_.ShowAddress(RowAddress(addressed_));
    }

    WindowView& view_;
    logic::SequenceForm form_;
    logic::HandlerGuard guard_;
    Window window_;
    std::u16string_view help_;  // chosen once: a window carries only its own
    Presentation presentation_;
    bool helpOpen_ = false;
    RowInput input_;
    std::optional<int> press_;  // since the last press: its cell, or kNoClick
    std::u16string addressed_;  // the row the page's address names, or would name
};

}  // namespace trivelan::design
