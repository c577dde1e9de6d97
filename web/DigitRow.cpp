// The page's digit row: its cells, their keys, clicks and mark.
#include "DigitRow.h"

#include <optional>

#include "Text.h"
#include "design/Accessibility.h"
#include "design/DigitRow.h"

namespace trivelan::web {
namespace {

using emscripten::val;

std::optional<design::RowKey> RowKeyOf(const std::string& key) {
    if (key == "ArrowLeft") return design::RowKey::Left;
    if (key == "ArrowRight") return design::RowKey::Right;
    if (key == "Home") return design::RowKey::Home;
    if (key == "End") return design::RowKey::End;
    return std::nullopt;
}

}  // namespace

void DigitRow::Attach(const Cells& cells, ClickHandler clicked) {
    cells_ = cells;
    clicked_ = std::move(clicked);
    Mark(0);
}

void DigitRow::Mark(int cell) {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        cells_.at(k).set("tabIndex", val(static_cast<int>(k) == cell ? 0 : -1));
    }
    const bool rowHasFocus = val::global("document")["activeElement"].strictlyEquals(
        cells_.at(static_cast<std::size_t>(mark_)));
    mark_ = cell;
    if (rowHasFocus) cells_.at(static_cast<std::size_t>(cell)).call<void>("focus");
}

void DigitRow::OnClick(int k, int clickCount) {
    const bool secondOfDouble = clickCount >= 2 && k == lastClicked_;
    lastClicked_ = k;
    if (!secondOfDouble) clicked_(k);
}

bool DigitRow::OnKey(int k, const std::string& key, bool repeated) {
    if (const auto move = RowKeyOf(key)) {
        Mark(design::MoveInRow(mark_, *move));
        return true;
    }
    if (key == " " || key == "Enter") {
        if (!repeated) clicked_(k);  // a held key clicks once
        return true;
    }
    return false;
}

std::u16string DigitRow::Caption(std::size_t k) const {
    return FromJs(cells_.at(k)["textContent"]);
}

void DigitRow::SetCaption(std::size_t k, const std::u16string& caption) {
    cells_.at(k).set("textContent", ToJs(caption));
    cells_.at(k).call<void>("setAttribute", val("aria-label"),
                            ToJs(design::CellName(static_cast<int>(k), caption)));
}

void DigitRow::SetUnderline(std::size_t k, bool underline) {
    cells_.at(k)["classList"].call<void>("toggle", val("underlined"), val(underline));
}

}  // namespace trivelan::web
