// The page's digit row: its cells, their names, underline and Tab stop.
#include "DigitRow.h"

#include "design/Accessibility.h"

namespace trivelan::web {

std::optional<design::RowKey> RowKeyOf(const std::string& key) {
    if (key == " ") return design::RowKey::Space;
    if (key == "Enter") return design::RowKey::Enter;
    if (key == "ArrowLeft") return design::RowKey::Left;
    if (key == "ArrowRight") return design::RowKey::Right;
    if (key == "Home") return design::RowKey::Home;
    if (key == "End") return design::RowKey::End;
    return std::nullopt;
}

void DigitRow::Mark(int cell) const {
    for (std::size_t k = 0; k < cells_.size(); ++k) {
        const bool stop = design::HasOwnTabStop(design::DigitCell(static_cast<int>(k)), cell);
        cells_.at(k).Set("tabIndex", stop ? 0 : -1);
    }
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
