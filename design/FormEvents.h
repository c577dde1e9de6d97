#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "Accessibility.h"
#include "StartRow.h"
#include "logic/HandlerGuard.h"
#include "logic/SequenceForm.h"

namespace trivelan::design {

// The form's event handlers as every window runs them: through one guard, so
// that none runs after a run-time error, and each click answers what a screen
// reader is to be told of it. A window forwards its toolkit's events here and
// tells what comes back.
class FormEvents {
  public:
    FormEvents(logic::SequenceView& view, logic::ErrorReporter reporter)
        : view_(view), form_(view), guard_(std::move(reporter)) {}

    // The form's load, then the row the user started with, if any; a row that
    // could not be read leaves the zeros, and the report says why above the
    // statement.
    void OnLoad(const RowReading& start = {}) {
        guard_.Run([this, &start] {
            form_.OnLoad();
            for (std::size_t k = 0; k < start.digits.size(); ++k) {
                view_.SetCaption(static_cast<std::int16_t>(k), start.digits.substr(k, 1));
            }
            if (!start.problem.empty()) {
                view_.SetReportText(start.problem + u"\r\n\r\n" + std::u16string(kStatement));
            }
        });
    }

    // The cell's new name to tell a screen reader, whether or not the cell has
    // the focus.
    [[nodiscard]] std::optional<ReaderNews> OnDigitClick(std::size_t cell, bool cellHasFocus) {
        const auto index = static_cast<std::int16_t>(cell);
        guard_.Run([this, index] { form_.OnDigitClick(index); });
        if (guard_.Stopped()) return std::nullopt;
        return AfterCellClick(index, view_.Caption(index), cellHasFocus);
    }

    // The verdict to tell a screen reader, if the press gave one.
    [[nodiscard]] std::optional<ReaderNews> OnButtonClick(std::size_t button) {
        if (guard_.Stopped()) return std::nullopt;
        const std::u16string before = view_.ReportText();
        guard_.Run([this, button] { form_.OnButtonClick(static_cast<std::int16_t>(button)); });
        if (guard_.Stopped()) return std::nullopt;
        const auto said = Announcement(before, view_.ReportText());
        if (!said) return std::nullopt;
        return ReaderNews{*said};
    }

    // After a run-time error the window answers no more events.
    [[nodiscard]] bool Stopped() const { return guard_.Stopped(); }

  private:
    logic::SequenceView& view_;
    logic::SequenceForm form_;
    logic::HandlerGuard guard_;
};

}  // namespace trivelan::design
