#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "runtime/RuntimeError.h"

namespace trivelan::logic {

inline constexpr std::int16_t kCellCount = 15;

// Everything the form's logic may do to its window: five operations on the
// digit cells (Label2) and the report box (Text1(0)). Anything else of the
// window is out of the logic's reach, so the logic runs against a fake in tests.
class SequenceView {
  public:
    virtual ~SequenceView() = default;

    // The cells are reached as the form runtime reaches a control array's
    // elements: an index outside 0 to 14 is run-time error 340, in every window.
    [[nodiscard]] std::u16string Caption(std::int16_t cell) const {
        return CellCaption(CellIndex(cell));
    }
    void SetCaption(std::int16_t cell, const std::u16string& caption) {
        SetCellCaption(CellIndex(cell), caption);
    }
    void SetUnderline(std::int16_t cell, bool underline) {
        SetCellUnderline(CellIndex(cell), underline);
    }
    // Report lines end with CR LF here, whatever the widget stores.
    [[nodiscard]] virtual std::u16string ReportText() const = 0;
    virtual void SetReportText(const std::u16string& text) = 0;

  protected:
    SequenceView() = default;
    SequenceView(const SequenceView&) = default;
    SequenceView& operator=(const SequenceView&) = default;

  private:
    // A window's own cells, by an index already checked.
    [[nodiscard]] virtual std::u16string CellCaption(std::size_t cell) const = 0;
    virtual void SetCellCaption(std::size_t cell, const std::u16string& caption) = 0;
    virtual void SetCellUnderline(std::size_t cell, bool underline) = 0;

    [[nodiscard]] static std::size_t CellIndex(std::int16_t cell) {
        if (cell < 0 || cell >= kCellCount) {
            throw runtime::RuntimeError(runtime::ErrorNumber::NoSuchControlArrayElement);
        }
        return static_cast<std::size_t>(cell);
    }
};

}  // namespace trivelan::logic
