// The page's window: the event binding, the operations the presenter asks
// for, and the view contract.
#include "SequenceForm.h"

#include <optional>
#include <string>
#include <utility>

#include "HelpBox.h"
#include "Keyboard.h"
#include "Screen.h"
#include "Style.h"
#include "design/StartRow.h"
#include "design/Text.h"

namespace trivelan::web {
namespace {

constexpr auto kControls = design::AllControls();

DigitRow::Cells CellsOf(const Controls& controls) {
    DigitRow::Cells cells;
    for (int k = 0; k < design::kDigitCellCount; ++k) {
        cells.push_back(controls.all.at(design::PositionOf(design::DigitCell(k))));
    }
    return cells;
}

}  // namespace

SequenceForm::SequenceForm(logic::ErrorReporter reporter)
    : document_(Js::Global("document")),
      controls_(AdoptControls(document_)),
      notice_(controls_.form),
      row_(CellsOf(controls_)),
      presenter_(*this, design::Window::Page, std::move(reporter)) {
    document_.Set("title", design::kCaption);
    BindEvents();
    presenter_.Load(design::ReadAddress(Js::Global("location")["hash"].Text()));
    PassOnEarlyPresses();
}

// The presses made on the first frame before the program started, as the
// page's listeners would have had them.
void SequenceForm::PassOnEarlyPresses() {
    const Js presses = Js::Global("trivelanEarly");
    if (presses.IsNullish()) return;
    for (int i = 0; i < presses["length"].Int(); ++i) {
        const Js press = presses.Call("at", i);
        const bool click = press["type"].Ascii() == "click";
        if (!click && !IsMainPress(press)) continue;
        const std::string id = press["id"].Ascii();
        for (std::size_t position = 0; position < kControls.size(); ++position) {
            if (design::ControlName(kControls.at(position), "_", "") != id) continue;
            // A browser's event times have fractions of a millisecond.
            presenter_.EarlyEvent(position, click,
                                  static_cast<std::int64_t>(press["timeStamp"].Number()));
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
            if (IsMainPress(event)) {
                // A browser's event times have fractions of a millisecond.
                presenter_.CellPressed(index,
                                       static_cast<std::int64_t>(event["timeStamp"].Number()));
            }
            break;
        case Event::CellClick:
            presenter_.CellClicked(index);
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
            OnPageKey(event, presenter_);
            break;
        case Event::HelpClosed:
            presenter_.HelpClosed();
            break;
        case Event::Resize:
            presenter_.ScreenChanged();
            break;
        case Event::AddressChange:
            // Another row pasted into the address of the open page: start with it.
            Js::Global("location").Call("reload");
            break;
    }
}

// A press gives a button the focus, as on the desktop, also in an engine whose
// buttons take none of their own (WebKit, as Safari, and a tap in some); with
// no focus ring, which a mouse's or a finger's press never shows.
void SequenceForm::OnButtonClick(int index) {
    const Js& button = controls_.all.at(
        design::PositionOf(index == design::kCheck.index ? design::kCheck : design::kClear));
    if (design::TakesFocusOnPress(design::kCheck) && !button.Same(document_["activeElement"])) {
        const Js options = Js::Global("Object").Call("create", Js::Null());
        options.Set("focusVisible", false);
        button.Call("focus", options);
    }
    presenter_.ButtonClicked(index);
}

bool SequenceForm::IsMainPress(const Js& event) {
    return event["button"].Int() == 0 && event["isPrimary"].Truthy();
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

design::Screen SequenceForm::ScreenNow() const { return ScreenOf(Js::Global("window")); }

std::optional<std::size_t> SequenceForm::Focused() const {
    const design::ControlDesign* focused = ControlOf(document_["activeElement"]);
    if (focused == nullptr) return std::nullopt;
    return design::PositionOf(*focused);
}

void SequenceForm::Place(const design::Placement& placement) {
    const Js& form = controls_.form;
    SetNumber(form, "--scale", placement.scale.factor);
    SetStyle(form, "--left", Px(placement.origin.x));
    SetStyle(form, "--top", Px(placement.origin.y));
    // The keyboard mark keeps its width and inset on the screen whatever the scale.
    const int mark = design::MarkWidth(placement.scale.Pixels(design::DigitCell(0).height));
    SetNumber(form, "--mark", mark / placement.scale.factor, "px");
    SetNumber(form, "--mark-offset", -(mark + design::kMarkInset) / placement.scale.factor, "px");
    RefitDialogs(document_, placement.scale, ScreenNow());
}

void SequenceForm::MarkCell(int cell) { row_.Mark(cell); }

void SequenceForm::Focus(std::size_t position) { controls_.all.at(position).Call("focus"); }

void SequenceForm::SelectReport() { controls_.report.Call("select"); }

void SequenceForm::ShowHelp(const design::HelpBox& box) {
    notice_.Clear();
    web::ShowHelp(document_, box, ScreenNow(), Event::HelpClosed);
}

// Every news is a notice here.
void SequenceForm::Announce(const design::ReaderNews& news) { notice_.Announce(news); }

void SequenceForm::ReportWritten() {
    written_ = controls_.report["value"];
    controls_.report.Call("setSelectionRange", 0, 0);
    controls_.report.Set("scrollTop", 0);
}

void SequenceForm::ShowAddress(const std::u16string& fragment) {
    Js::Global("history").Call("replaceState", Js::Null(), "", fragment);
}

void SequenceForm::OnCellKey(const Js& event) {
    const auto key = RowKeyOf(event["key"].Ascii());
    if (key &&
        presenter_.CellKey(*key, event["type"].Ascii() == "keydown", event["repeat"].Truthy())) {
        event.Call("preventDefault");
    }
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

// The browser keeps what was typed before the program's write on its undo
// stack, and cannot be told to forget it: undo and redo are refused while the
// report is as the program wrote it.
void SequenceForm::OnReportEdit(const Js& event) {
    const std::string type = event["inputType"].Ascii();
    if ((type == "historyUndo" || type == "historyRedo") &&
        controls_.report["value"].Same(written_)) {
        event.Call("preventDefault");
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
}

}  // namespace trivelan::web
