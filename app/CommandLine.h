#pragma once

#include <cstdio>
#include <optional>
#include <span>

#include "design/StartRow.h"

namespace trivelan::app {

// Reads the command line before any window system is touched, so that --help,
// --version and a refused command line work in a terminal with no display.
struct Start {
    std::optional<int> status;  // the exit status, when no window is to open
    design::RowReading row;     // else the row to start with
};
[[nodiscard]] Start ReadArguments(std::span<char* const> args, std::FILE* out, std::FILE* err);

}  // namespace trivelan::app
