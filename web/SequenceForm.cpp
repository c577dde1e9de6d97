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

namespace trivelan::web {
namespace {

using emscripten::val;

// The page keeps the browser's own zoom and full screen; of the classroom
// keys only the help is the page's.
std::optional<design::Key> KeyOf(const std::string& key) {
    if (key == "F1") return design::Key::F1;
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
      handlers_(std::move(reporter)) {
    document_.set("title", ToJs(design::kCaption));
    DigitRow::Cells cells;
    for (int k = 0; k < design::kDigitCellCount; ++k) {
        cells.push_back(controls_.all.at(design::PositionOf(design::DigitCell(k))));
    }
    row_.Attach(cells, [this](int k) {
        handlers_.Run([this, k] { logic_.OnDigitClick(static_cast<std::int16_t>(k)); });
    });
    BindEvents();
    FitToWindow();
    controls_.report.call<void>("focus");  // where the desktop windows start too
    handlers_.Run([this] { logic_.OnLoad(); });
}

void SequenceForm::BindEvents() {
    for (std::size_t k = 0; k < design::kDigitCellCount; ++k) {
        const val& cell = row_.Cell(k);
        const int index = static_cast<int>(k);
        cell.call<void>("addEventListener", val("click"), Handler("onCellClick", index));
        cell.call<void>("addEventListener", val("keydown"), Handler("onCellKey", index));
        cell.call<void>("addEventListener", val("keyup"), Handler("onCellKey", index));
    }
    for (const design::ControlDesign& button : {design::kCheck, design::kClear}) {
        controls_.all.at(design::PositionOf(button))
            .call<void>("addEventListener", val("click"), Handler("onButtonClick", button.index));
    }
    controls_.report.call<void>("addEventListener", val("keydown"),
                                val::module_property("onReportKey"));
    document_.call<void>("addEventListener", val("keydown"), val::module_property("onPageKey"));
    val::global("window").call<void>("addEventListener", val("resize"),
                                     val::module_property("onResize"));
}

design::Screen SequenceForm::Screen() const {
    const val window = val::global("window");
    const design::PixelRect viewport{0, 0, window["innerWidth"].as<int>(),
                                     window["innerHeight"].as<int>()};
    return {viewport, viewport, 1.0, {0, 0}};
}

design::Scale SequenceForm::FitScale() const {
    const design::Screen screen = Screen();
    return design::FitToScreen(screen.whole.width, screen.whole.height).scale;
}

void SequenceForm::FitToWindow() {
    const design::Screen screen = Screen();
    const design::ScreenFit fit = design::FitToScreen(screen.whole.width, screen.whole.height);
    const val& form = controls_.form;
    SetStyle(form, "--scale", std::to_string(fit.scale.factor));
    SetStyle(form, "--left", Px(fit.left));
    SetStyle(form, "--top", Px(fit.top));
    // The keyboard mark keeps its width on the screen whatever the scale.
    const int mark = design::MarkWidth(fit.scale.Pixels(design::DigitCell(0).height));
    SetStyle(form, "--mark", std::to_string(mark / fit.scale.factor) + "px");
}

void SequenceForm::OnCellClick(int cell, const val& event) {
    if (!stopped_) row_.OnClick(cell, event["detail"].as<int>());
}

void SequenceForm::OnCellKey(int cell, const val& event) {
    if (stopped_) return;
    const std::string key = event["key"].as<std::string>();
    if (event["type"].as<std::string>() == "keyup") {
        // A button clicks itself when Space comes up; the row clicked on the way down.
        if (key == " ") event.call<void>("preventDefault");
        return;
    }
    if (key == "Tab" && !event["shiftKey"].as<bool>()) {
        // The row is the last Tab stop; as in a desktop window, Tab goes round.
        controls_.report.call<void>("focus");
        event.call<void>("preventDefault");
        return;
    }
    if (row_.OnKey(cell, key, event["repeat"].as<bool>())) event.call<void>("preventDefault");
}

void SequenceForm::OnReportKey(const val& event) {
    if (stopped_ || event["key"].as<std::string>() != "Tab" || !event["shiftKey"].as<bool>())
        return;
    row_.Cell(static_cast<std::size_t>(row_.MarkedCell())).call<void>("focus");
    event.call<void>("preventDefault");
}

void SequenceForm::OnButtonClick(int button) {
    if (stopped_) return;
    handlers_.Run([this, button] { logic_.OnButtonClick(static_cast<std::int16_t>(button)); });
}

void SequenceForm::OnPageKey(const val& event) {
    const auto key = KeyOf(event["key"].as<std::string>());
    if (stopped_ || !key) return;
    if (design::CommandFor(*key, event["ctrlKey"].as<bool>()) != design::Command::Help) return;
    event.call<void>("preventDefault");  // not the browser's own help
    ShowDialog(document_, design::kHelpTitle, design::HelpText(), FitScale(), Screen());
}

void SequenceForm::Stop() {
    stopped_ = true;
    controls_.form.set("inert", val(true));
}

std::u16string SequenceForm::Caption(std::int16_t cell) const {
    return row_.Caption(design::CellIndex(cell));
}

void SequenceForm::SetCaption(std::int16_t cell, const std::u16string& caption) {
    row_.SetCaption(design::CellIndex(cell), caption);
}

void SequenceForm::SetUnderline(std::int16_t cell, bool underline) {
    row_.SetUnderline(design::CellIndex(cell), underline);
}

std::u16string SequenceForm::ReportText() const {
    return FromWidgetText(FromJs(controls_.report["value"]));
}

void SequenceForm::SetReportText(const std::u16string& text) {
    controls_.report.set("value", ToJs(ToWidgetText(text)));
    // At the text's start, as a desktop text box puts it.
    controls_.report.call<void>("setSelectionRange", val(0), val(0));
    controls_.report.set("scrollTop", val(0));
}

}  // namespace trivelan::web
