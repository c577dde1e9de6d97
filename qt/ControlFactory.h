#pragma once

#include <QWidget>
#include <array>

#include "design/FormDesign.h"

class QPlainTextEdit;

namespace trivelan::design {
class Presenter;
}

namespace trivelan::qt {

class DigitCell;

// The window's controls as the design table makes them, and what the form
// needs of each.
struct Controls {
    std::array<QWidget*, design::AllControls().size()> all{};  // in design table order
    std::array<DigitCell*, design::kDigitCellCount> cells{};
    QPlainTextEdit* report = nullptr;
};

// Creates every control of the design table in the window, with its text,
// colour, name for screen readers and visibility; the layout places them. The
// cells and buttons hand their events to the presenter.
[[nodiscard]] Controls CreateControls(QWidget* window, design::Presenter& presenter);

}  // namespace trivelan::qt
