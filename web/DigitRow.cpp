// The page's digit row: its cells, their keys, clicks and mark.
#include "DigitRow.h"

#include <optional>

#include "design/Accessibility.h"
#include "design/DigitRow.h"

namespace trivelan::web {
namespace {

std::optional<design::RowKey> RowKeyOf(const std::string& key) {
    if (key == " ") return design::RowKey::Space;
    if (key == "Enter") return design::RowKey::Enter;
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
    ShowMark(0);
}

void DigitRow::ShowMark(int before) {
    const int mark = input_.Mark();
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        const bool stop = design::HasOwnTabStop(design::DigitCell(static_cast<int>(k)), mark);
        cells_.at(k).Set("tabIndex", stop ? 0 : -1);
    }
    const bool rowHasFocus =
        Js::Global("document")["activeElement"].Same(cells_.at(static_cast<std::size_t>(before)));
    if (rowHasFocus) cells_.at(static_cast<std::size_t>(mark)).Call("focus");
}

void DigitRow::OnPress(int k, double time) {
    pressedCell_ = k;
    // A browser's event times have fractions of a millisecond.
    pressCounts_ = input_.Press(k, static_cast<std::int64_t>(time), design::kPageDoubleClickTime);
}

void DigitRow::OnClick(int k) {
    const bool counts = !pressCounts_ || (*pressCounts_ && pressedCell_ == k);
    pressCounts_.reset();
    if (counts) clicked_(k);
}

bool DigitRow::OnKey(const std::string& key, bool repeated) {
    const auto rowKey = RowKeyOf(key);
    if (!rowKey) return false;
    input_.Key(
        *rowKey, repeated, [this](int before) { ShowMark(before); }, clicked_);
    return true;
}

std::u16string DigitRow::Caption(std::size_t k) const { return cells_.at(k)["textContent"].Text(); }

void DigitRow::SetCaption(std::size_t k, const std::u16string& caption) {
    cells_.at(k).Set("textContent", caption);
    cells_.at(k).Call("setAttribute", "aria-label", design::CellName(static_cast<int>(k), caption));
}

void DigitRow::SetUnderline(std::size_t k, bool underline) {
    cells_.at(k)["classList"].Call("toggle", "underlined", underline);
}

}  // namespace trivelan::web
