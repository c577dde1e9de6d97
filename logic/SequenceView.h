#pragma once

#include <cstdint>
#include <string>

namespace trivelan::logic {

// Everything the form's logic may do to its window: five operations on the
// digit cells (Label2) and the report box (Text1(0)). Anything else of the
// window is out of the logic's reach, so the logic runs against a fake in tests.
class SequenceView {
  public:
    virtual ~SequenceView() = default;

    [[nodiscard]] virtual std::u16string Caption(std::int16_t cell) const = 0;
    virtual void SetCaption(std::int16_t cell, const std::u16string& caption) = 0;
    virtual void SetUnderline(std::int16_t cell, bool underline) = 0;
    // Report lines end with CR LF here, whatever the widget stores.
    [[nodiscard]] virtual std::u16string ReportText() const = 0;
    virtual void SetReportText(const std::u16string& text) = 0;

  protected:
    SequenceView() = default;
    SequenceView(const SequenceView&) = default;
    SequenceView& operator=(const SequenceView&) = default;
};

}  // namespace trivelan::logic
