#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "logic/SequenceForm.h"
#include "logic/SequenceView.h"
#include "runtime/RuntimeError.h"

namespace trivelan::testing {

// The number of the run-time error a call raises; 0 for none.
inline int ErrorNumberOf(auto&& call) {
    try {
        call();
    } catch (const runtime::RuntimeError& error) {
        return error.Number();
    }
    return 0;
}

// One call the logic made on its view.
struct ViewCall {
    enum class Operation { GetCaption, SetCaption, SetUnderline, GetReport, SetReport };
    Operation operation;
    std::int16_t cell = -1;
    std::u16string text;
    bool flag = false;

    bool operator==(const ViewCall&) const = default;
    [[nodiscard]] bool IsWrite() const {
        return operation == Operation::SetCaption || operation == Operation::SetUnderline ||
               operation == Operation::SetReport;
    }
};

// A view that holds the state the window would hold and records every call;
// on Base, the view contract or a whole window's.
template <typename Base>
class FakeViewOn : public Base {
  public:
    FakeViewOn() { captions.fill(u"0"); }

    [[nodiscard]] std::u16string ReportText() const override {
        calls.push_back({ViewCall::Operation::GetReport, -1, {}, false});
        return report;
    }
    void SetReportText(const std::u16string& text) override {
        calls.push_back({ViewCall::Operation::SetReport, -1, text, false});
        report = text;
    }

  private:
    [[nodiscard]] std::u16string CellCaption(std::size_t cell) const override {
        calls.push_back({ViewCall::Operation::GetCaption, Index(cell), {}, false});
        return captions.at(cell);
    }
    void SetCellCaption(std::size_t cell, const std::u16string& caption) override {
        calls.push_back({ViewCall::Operation::SetCaption, Index(cell), caption, false});
        captions.at(cell) = caption;
    }
    void SetCellUnderline(std::size_t cell, bool underline) override {
        calls.push_back({ViewCall::Operation::SetUnderline, Index(cell), {}, underline});
        underlined.at(cell) = underline;
    }
    static std::int16_t Index(std::size_t cell) { return static_cast<std::int16_t>(cell); }

  public:
    // Sets the row from a string of digits, one per cell, without recording.
    void SetRow(const std::u16string& digits) {
        for (std::size_t k = 0; k < captions.size(); ++k)
            captions[k] = std::u16string(1, digits[k]);
    }
    [[nodiscard]] std::u16string Row() const {
        std::u16string row;
        for (const auto& c : captions) row += c;
        return row;
    }
    [[nodiscard]] int UnderlinedCount() const {
        return static_cast<int>(std::count(underlined.begin(), underlined.end(), true));
    }

    std::array<std::u16string, logic::kCellCount> captions;
    std::array<bool, logic::kCellCount> underlined{};
    std::u16string report;
    mutable std::vector<ViewCall> calls;
};

using FakeView = FakeViewOn<logic::SequenceView>;

}  // namespace trivelan::testing
