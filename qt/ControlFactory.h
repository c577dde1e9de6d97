#pragma once

#include <QWidget>
#include <array>

#include "design/FormDesign.h"

class QPlainTextEdit;
class QPushButton;

namespace trivelan::qt {

class DigitRow;

// The window's controls as the design table makes them, and what the form
// needs of each.
struct Controls {
    std::array<QWidget*, design::AllControls().size()> all{};  // in design table order
    DigitRow* row = nullptr;
    std::array<QPushButton*, 2> buttons{};
    QPlainTextEdit* report = nullptr;
};

// Creates every control of the design table in the window, with its text,
// colour, name for screen readers and visibility; the layout places them.
[[nodiscard]] Controls CreateControls(QWidget* window);

}  // namespace trivelan::qt
