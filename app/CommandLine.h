#pragma once

#include <cstdio>
#include <optional>
#include <span>

namespace trivelan::app {

// Answers --help and --version and rejects anything else, all before any window
// system is touched, so they work in a terminal with no display.
// Returns the exit status when the program should end without opening its window.
[[nodiscard]] std::optional<int> HandleCommandLine(std::span<char* const> args, std::FILE* out,
                                                   std::FILE* err);

}  // namespace trivelan::app
