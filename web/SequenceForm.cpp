// The page's window: the event binding, the fit and the view contract.
#include "SequenceForm.h"

#include <optional>
#include <string>
#include <utility>

#include "Dialogs.h"
#include "Style.h"
#include "design/Commands.h"
#include "design/DigitRow.h"
#include "design/Help.h"
#include "design/Text.h"

namespace trivelan::web {
namespace {

constexpr auto kControls = design::AllControls();

// The classroom keys a page can be given; which of them are the page's own
// commands the design says.
std::optional<design::Key> KeyOf(const std::string& key) {
    if (key == "F1") return design::Key::F1;
    if (key == "a" || key == "A") return design::Key::A;
    if (key == "F11") return design::Key::F11;
    if (key == "Escape") return design::Key::Escape;
    if (key == "+") return design::Key::Plus;
    if (key == "=") return design::Key::Equal;
    if (key == "-") return design::Key::Minus;
    if (key == "0") return design::Key::Zero;
    return std::nullopt;
}

}  // namespace

SequenceForm::SequenceForm(logic::ErrorReporter reporter)
    : document_(Js::Global("document")),
      controls_(AdoptControls(document_)),
      notice_(controls_.form),
      events_(*this, std::move(reporter)) {
    document_.Set("title", design::kCaption);
    DigitRow::Cells cells;
    for (int k = 0; k < design::kDigitCellCount; ++k) {
        cells.push_back(controls_.all.at(design::PositionOf(design::DigitCell(k))));
    }
    row_.Attach(cells, [this](int k) {
        const bool focused =
            document_["activeElement"].Same(row_.Cell(static_cast<std::size_t>(k)));
        Tell(events_.OnDigitClick(static_cast<std::size_t>(k), focused));
    });
    BindEvents();
    FitToWindow();
    FocusTarget(design::FirstFocus()).Call("focus");
    // A row handed over in the address. One that could not be read leaves the
    // zeros, and the address then names them; a plain start names no row until
    // the row changes.
    const design::RowReading start = design::ReadAddress(Js::Global("location")["hash"].Text());
    events_.OnLoad(start);
    addressed_ = start.digits.empty() ? Row() : start.digits;
    if (!start.problem.empty()) NameInAddress(addressed_);
    PassOnEarlyPresses();
}

std::u16string SequenceForm::Row() const {
    std::u16string row;
    for (std::size_t k = 0; k < design::kDigitCellCount; ++k) row += row_.Caption(k);
    return row;
}

void SequenceForm::FollowRow() {
    std::u16string row = Row();
    if (row == addressed_) return;
    addressed_ = std::move(row);
    NameInAddress(addressed_);
}

void SequenceForm::NameInAddress(std::u16string_view row) {
    Js::Global("history").Call("replaceState", Js::Null(), "", design::RowAddress(row));
}

// The presses made on the first frame before the program started, as its
// listeners would have had them.
void SequenceForm::PassOnEarlyPresses() {
    const Js presses = Js::Global("trivelanEarly");
    if (presses.IsNullish()) return;
    for (int i = 0; i < presses["length"].Int(); ++i) {
        const Js press = presses.Call("at", i);
        const std::string id = press["id"].Ascii();
        const bool click = press["type"].Ascii() == "click";
        for (const design::ControlDesign& control : kControls) {
            if (design::ControlName(control, "_", "") != id) continue;
            if (design::IsDigitCell(control)) {
                OnEvent(click ? Event::CellClick : Event::CellPress, control.index, press);
            } else if (click && control.kind == design::Kind::PushButton) {
                OnEvent(Event::ButtonClick, control.index, press);
            }
        }
    }
}

void SequenceForm::BindEvents() {
    for (std::size_t k = 0; k < design::kDigitCellCount; ++k) {
        const Js& cell = row_.Cell(k);
        const int index = static_cast<int>(k);
        cell.Listen("pointerdown", Event::CellPress, index);
        cell.Listen("click", Event::CellClick, index);
        cell.Listen("keydown", Event::CellKey);
        cell.Listen("keyup", Event::CellKey);
    }
    for (const design::ControlDesign& button : {design::kCheck, design::kClear}) {
        controls_.all.at(design::PositionOf(button))
            .Listen("click", Event::ButtonClick, button.index);
    }
    controls_.form.Listen("mousedown", Event::FormPress);
    controls_.form.Listen("contextmenu", Event::FormMenu);
    controls_.report.Listen("beforeinput", Event::ReportEdit);
    document_.Listen("keydown", Event::PageKey);
    Js::Global("window").Listen("resize", Event::Resize);
    Js::Global("window").Listen("hashchange", Event::AddressChange);
}

void SequenceForm::OnEvent(Event kind, int index, const Js& event) {
    switch (kind) {
        case Event::CellPress:
            OnCellPress(index, event);
            break;
        case Event::CellClick:
            if (!events_.Stopped()) row_.OnClick(index);
            break;
        case Event::CellKey:
            OnCellKey(event);
            break;
        case Event::ButtonClick:
            OnButtonClick(index);
            break;
        case Event::FormPress:
            OnFormPress(event);
            break;
        case Event::FormMenu:
            OnFormMenu(event);
            break;
        case Event::ReportEdit:
            OnReportEdit(event);
            break;
        case Event::BoxEdit:
            event.Call("preventDefault");  // the box's text is to read
            break;
        case Event::PageKey:
            OnPageKey(event);
            break;
        case Event::HelpClosed:
            rules_.HelpClosed();
            break;
        case Event::Resize:
            FitToWindow();
            break;
        case Event::AddressChange:
            // Another row pasted into the address of the open page: start with it.
            Js::Global("location").Call("reload");
            return;
    }
    FollowRow();
}

const design::ControlDesign* SequenceForm::ControlOf(Js element) const {
    while (!element.IsNullish() && !element.Same(controls_.form)) {
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            if (element.Same(controls_.all.at(i))) return &kControls.at(i);
        }
        element = element["parentElement"];
    }
    return nullptr;
}

Js SequenceForm::FocusTarget(std::size_t position) const {
    return controls_.all.at(design::FocusPosition(position, row_.MarkedCell()));
}

design::Screen SequenceForm::Screen() const {
    const Js window = Js::Global("window");
    const design::PixelRect viewport{0, 0, window["innerWidth"].Int(), window["innerHeight"].Int()};
    return {viewport, viewport, 1.0, {0, 0}};
}

void SequenceForm::FitToWindow() {
    const design::Screen screen = Screen();
    const design::ScreenFit fit = design::FitToScreen(screen.whole.width, screen.whole.height);
    scale_ = fit.scale;
    const Js& form = controls_.form;
    SetNumber(form, "--scale", fit.scale.factor);
    SetStyle(form, "--left", Px(fit.left));
    SetStyle(form, "--top", Px(fit.top));
    // The keyboard mark keeps its width and inset on the screen whatever the scale.
    const int mark = design::MarkWidth(fit.scale.Pixels(design::DigitCell(0).height));
    SetNumber(form, "--mark", mark / fit.scale.factor, "px");
    SetNumber(form, "--mark-offset", -(mark + design::kMarkInset) / fit.scale.factor, "px");
    RefitDialogs(document_, fit.scale, screen);
}

void SequenceForm::OnCellPress(int cell, const Js& event) {
    if (events_.Stopped() || event["button"].Int() != 0 || !event["isPrimary"].Truthy()) return;
    row_.OnPress(cell, event["timeStamp"].Number());
}

void SequenceForm::OnCellKey(const Js& event) {
    if (events_.Stopped()) return;
    const std::string key = event["key"].Ascii();
    if (event["type"].Ascii() == "keyup") {
        // A button clicks itself when Space comes up; the row clicked on the way down.
        if (key == " ") event.Call("preventDefault");
        return;
    }
    if (row_.OnKey(key, event["repeat"].Truthy())) event.Call("preventDefault");
}

void SequenceForm::OnButtonClick(int button) {
    Tell(events_.OnButtonClick(static_cast<std::size_t>(button)));
}

// Every news is a notice here.
void SequenceForm::Tell(const std::optional<design::ReaderNews>& news) {
    if (news) notice_.Announce(news->text);
}

// A press on a label, the frame or a cell leaves the focus where it was, as in
// a desktop window.
void SequenceForm::OnFormPress(const Js& event) {
    const design::ControlDesign* control = ControlOf(event["target"]);
    if (control == nullptr || !design::TakesFocusOnPress(*control)) {
        event.Call("preventDefault");
    }
}

// The browser's menu only where the desktop has one: in the report box.
void SequenceForm::OnFormMenu(const Js& event) {
    const design::ControlDesign* control = ControlOf(event["target"]);
    if (control == nullptr || !design::HasOwnMenu(*control)) event.Call("preventDefault");
}

// The program's writes are not the user's to undo: the browser keeps what was
// typed before a write on its undo stack, and would put it back into the new
// report. Undo and redo reach only what was typed since the last write.
void SequenceForm::OnReportEdit(const Js& event) {
    const std::string type = event["inputType"].Ascii();
    if ((type == "historyUndo" || type == "historyRedo") &&
        controls_.report["value"].Same(written_)) {
        event.Call("preventDefault");
    }
}

void SequenceForm::OnPageKey(const Js& event) {
    if (events_.Stopped()) return;
    const std::string name = event["key"].Ascii();
    const design::ControlDesign* focused = ControlOf(document_["activeElement"]);
    if (name == "Tab") {
        if (focused == nullptr) return;  // a box of its own, or the browser's
        const std::size_t next =
            design::NextTabStop(design::PositionOf(*focused), !event["shiftKey"].Truthy());
        FocusTarget(next).Call("focus");
        event.Call("preventDefault");
        return;
    }
    const auto key = KeyOf(name);
    const auto command = key ? rules_.CommandFor(*key, event["ctrlKey"].Truthy()) : std::nullopt;
    if (!command) return;
    event.Call("preventDefault");  // not the browser's own help or selection
    const design::CommandOutcome outcome = rules_.Apply(
        *command, Screen(), {0, 0}, focused == &kControls.at(design::PositionOf(design::kReport)));
    switch (outcome.effect) {
        case design::Effect::ShowHelp:
            notice_.Clear();
            ShowDialog(document_, design::kHelpTitle, design::HelpText(rules_.Kind()),
                       design::HelpCaret(true), FitScale(), Screen(), Event::HelpClosed);
            break;
        case design::Effect::SelectAllReport:
            controls_.report.Call("select");
            break;
        case design::Effect::Place:
        case design::Effect::Beep:
        case design::Effect::Nothing:
            break;
    }
}

void SequenceForm::Stop() { controls_.form.Set("inert", true); }

std::u16string SequenceForm::CellCaption(std::size_t cell) const { return row_.Caption(cell); }

void SequenceForm::SetCellCaption(std::size_t cell, const std::u16string& caption) {
    row_.SetCaption(cell, caption);
}

void SequenceForm::SetCellUnderline(std::size_t cell, bool underline) {
    row_.SetUnderline(cell, underline);
}

std::u16string SequenceForm::ReportText() const {
    return design::ToCrLf(controls_.report["value"].Text());
}

void SequenceForm::SetReportText(const std::u16string& text) {
    controls_.report.Set("value", design::ToLineFeeds(text));
    written_ = controls_.report["value"];
    // At the text's start, as a desktop text box puts it.
    controls_.report.Call("setSelectionRange", 0, 0);
    controls_.report.Set("scrollTop", 0);
}

}  // namespace trivelan::web
