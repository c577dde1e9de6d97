// The page's window: the event binding, the fit and the view contract.
#include "SequenceForm.h"

#include <emscripten/bind.h>

#include <optional>
#include <string>
#include <utility>

#include "Dialogs.h"
#include "Style.h"
#include "Text.h"
#include "design/Commands.h"
#include "design/DigitRow.h"
#include "design/Help.h"
#include "design/Text.h"

namespace trivelan::web {
namespace {

using emscripten::val;

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

// A page function bound to its first arguments, for addEventListener.
val Handler(const char* name, int index) {
    return val::module_property(name).call<val>("bind", val::null(), val(index));
}

}  // namespace

SequenceForm::SequenceForm(logic::ErrorReporter reporter)
    : document_(val::global("document")),
      controls_(CreateControls(document_)),
      notice_(controls_.form),
      events_(*this, std::move(reporter)) {
    document_.set("title", ToJs(design::kCaption));
    DigitRow::Cells cells;
    for (int k = 0; k < design::kDigitCellCount; ++k) {
        cells.push_back(controls_.all.at(design::PositionOf(design::DigitCell(k))));
    }
    row_.Attach(cells, [this](int k) { events_.OnDigitClick(static_cast<std::size_t>(k)); });
    BindEvents();
    FitToWindow();
    FocusTarget(design::FirstFocus()).call<void>("focus");
    events_.OnLoad();
}

void SequenceForm::BindEvents() {
    for (std::size_t k = 0; k < design::kDigitCellCount; ++k) {
        const val& cell = row_.Cell(k);
        const int index = static_cast<int>(k);
        cell.call<void>("addEventListener", val("pointerdown"), Handler("onCellPress", index));
        cell.call<void>("addEventListener", val("click"), Handler("onCellClick", index));
        cell.call<void>("addEventListener", val("keydown"), val::module_property("onCellKey"));
        cell.call<void>("addEventListener", val("keyup"), val::module_property("onCellKey"));
    }
    for (const design::ControlDesign& button : {design::kCheck, design::kClear}) {
        controls_.all.at(design::PositionOf(button))
            .call<void>("addEventListener", val("click"), Handler("onButtonClick", button.index));
    }
    controls_.form.call<void>("addEventListener", val("mousedown"),
                              val::module_property("onFormPress"));
    controls_.form.call<void>("addEventListener", val("contextmenu"),
                              val::module_property("onFormMenu"));
    controls_.report.call<void>("addEventListener", val("beforeinput"),
                                val::module_property("onReportEdit"));
    document_.call<void>("addEventListener", val("keydown"), val::module_property("onPageKey"));
    val::global("window").call<void>("addEventListener", val("resize"),
                                     val::module_property("onResize"));
}

const design::ControlDesign* SequenceForm::ControlOf(val element) const {
    while (!element.isNull() && !element.isUndefined() && !element.strictlyEquals(controls_.form)) {
        for (std::size_t i = 0; i < kControls.size(); ++i) {
            if (element.strictlyEquals(controls_.all.at(i))) return &kControls.at(i);
        }
        element = element["parentElement"];
    }
    return nullptr;
}

val SequenceForm::FocusTarget(std::size_t position) const {
    return controls_.all.at(design::FocusPosition(position, row_.MarkedCell()));
}

design::Screen SequenceForm::Screen() const {
    const val window = val::global("window");
    const design::PixelRect viewport{0, 0, window["innerWidth"].as<int>(),
                                     window["innerHeight"].as<int>()};
    return {viewport, viewport, 1.0, {0, 0}};
}

void SequenceForm::FitToWindow() {
    const design::Screen screen = Screen();
    const design::ScreenFit fit = design::FitToScreen(screen.whole.width, screen.whole.height);
    scale_ = fit.scale;
    const val& form = controls_.form;
    SetNumber(form, "--scale", fit.scale.factor);
    SetStyle(form, "--left", Px(fit.left));
    SetStyle(form, "--top", Px(fit.top));
    // The keyboard mark keeps its width and inset on the screen whatever the scale.
    const int mark = design::MarkWidth(fit.scale.Pixels(design::DigitCell(0).height));
    SetNumber(form, "--mark", mark / fit.scale.factor, "px");
    SetNumber(form, "--mark-offset", -(mark + design::kMarkInset) / fit.scale.factor, "px");
    RefitDialogs(document_, fit.scale, screen);
}

void SequenceForm::OnCellPress(int cell, const val& event) {
    if (events_.Stopped() || event["button"].as<int>() != 0 || !event["isPrimary"].as<bool>())
        return;
    row_.OnPress(cell, event["timeStamp"].as<double>());
}

void SequenceForm::OnCellClick(int cell) {
    if (!events_.Stopped()) row_.OnClick(cell);
}

void SequenceForm::OnCellKey(const val& event) {
    if (events_.Stopped()) return;
    const std::string key = event["key"].as<std::string>();
    if (event["type"].as<std::string>() == "keyup") {
        // A button clicks itself when Space comes up; the row clicked on the way down.
        if (key == " ") event.call<void>("preventDefault");
        return;
    }
    if (row_.OnKey(key, event["repeat"].as<bool>())) event.call<void>("preventDefault");
}

void SequenceForm::OnButtonClick(int button) {
    if (const auto said = events_.OnButtonClick(static_cast<std::size_t>(button))) {
        notice_.Announce(*said);
    }
}

// A press on a label, the frame or a cell leaves the focus where it was, as in
// a desktop window.
void SequenceForm::OnFormPress(const val& event) {
    const design::ControlDesign* control = ControlOf(event["target"]);
    if (control == nullptr || !design::TakesFocusOnPress(*control)) {
        event.call<void>("preventDefault");
    }
}

// The browser's menu only where the desktop has one: in the report box.
void SequenceForm::OnFormMenu(const val& event) {
    const design::ControlDesign* control = ControlOf(event["target"]);
    if (control == nullptr || !design::HasOwnMenu(*control)) event.call<void>("preventDefault");
}

// The program's writes are not the user's to undo: the browser keeps what was
// typed before a write on its undo stack, and would put it back into the new
// report. Undo and redo reach only what was typed since the last write.
void SequenceForm::OnReportEdit(const val& event) {
    const std::string type = event["inputType"].as<std::string>();
    if ((type == "historyUndo" || type == "historyRedo") &&
        controls_.report["value"].strictlyEquals(written_)) {
        event.call<void>("preventDefault");
    }
}

void SequenceForm::OnPageKey(const val& event) {
    if (events_.Stopped()) return;
    const std::string name = event["key"].as<std::string>();
    const design::ControlDesign* focused = ControlOf(document_["activeElement"]);
    if (name == "Tab") {
        if (focused == nullptr) return;  // a box of its own, or the browser's
        const std::size_t next =
            design::NextTabStop(design::PositionOf(*focused), !event["shiftKey"].as<bool>());
        FocusTarget(next).call<void>("focus");
        event.call<void>("preventDefault");
        return;
    }
    const auto key = KeyOf(name);
    const auto command = key ? rules_.CommandFor(*key, event["ctrlKey"].as<bool>()) : std::nullopt;
    if (!command) return;
    event.call<void>("preventDefault");  // not the browser's own help or selection
    const design::CommandOutcome outcome = rules_.Apply(
        *command, Screen(), {0, 0}, focused == &kControls.at(design::PositionOf(design::kReport)));
    switch (outcome.effect) {
        case design::Effect::ShowHelp:
            ShowDialog(document_, design::kHelpTitle, design::HelpText(rules_.Kind()), FitScale(),
                       Screen(), val::module_property("onHelpClosed"));
            break;
        case design::Effect::SelectAllReport:
            controls_.report.call<void>("select");
            break;
        case design::Effect::Place:
        case design::Effect::Beep:
        case design::Effect::Nothing:
            break;
    }
}

void SequenceForm::OnHelpClosed() { rules_.HelpClosed(); }

void SequenceForm::Stop() { controls_.form.set("inert", val(true)); }

std::u16string SequenceForm::CellCaption(std::size_t cell) const { return row_.Caption(cell); }

void SequenceForm::SetCellCaption(std::size_t cell, const std::u16string& caption) {
    row_.SetCaption(cell, caption);
}

void SequenceForm::SetCellUnderline(std::size_t cell, bool underline) {
    row_.SetUnderline(cell, underline);
}

std::u16string SequenceForm::ReportText() const {
    return design::ToCrLf(FromJs(controls_.report["value"]));
}

void SequenceForm::SetReportText(const std::u16string& text) {
    controls_.report.set("value", ToJs(design::ToLineFeeds(text)));
    written_ = controls_.report["value"];
    // At the text's start, as a desktop text box puts it.
    controls_.report.call<void>("setSelectionRange", val(0), val(0));
    controls_.report.set("scrollTop", val(0));
}

}  // namespace trivelan::web
