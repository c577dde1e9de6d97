#include "CommandLine.h"

#include <string_view>

#include "Version.h"

namespace trivelan::app {
namespace {

constexpr int kUsageError = 2;

void PrintHelp(std::ostream& out) {
    out << "Употреба: " << kProgramName << " [--help | --version]\n"
        << "\n"
        << "Тривелан е упражнение по математика и информатика: щракване върху някоя от 15-те\n"
        << "клетки увеличава цифрата ѝ с 1; „Провери“ казва дали редицата е палиндром и дали\n"
        << "е балансирана; „Чисти“ връща всички цифри на 0.\n"
        << "\n"
        << "  -h, --help     показва тази помощ\n"
        << "  -v, --version  показва версията\n";
}

}  // namespace

std::optional<int> HandleCommandLine(std::span<char* const> args, std::ostream& out,
                                     std::ostream& err) {
    if (args.size() <= 1) return std::nullopt;
    const std::string_view first = args[1];
    if (args.size() == 2 && (first == "--help" || first == "-h")) {
        PrintHelp(out);
        return 0;
    }
    if (args.size() == 2 && (first == "--version" || first == "-v")) {
        out << kProgramName << ' ' << kVersionText << '\n';
        return 0;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v") continue;
        err << kProgramName << ": "
            << (arg.starts_with('-') ? "unknown option '" : "unexpected argument '") << arg
            << "' (try --help)\n";
        return kUsageError;
    }
    err << kProgramName << ": --help and --version take no other arguments\n";
    return kUsageError;
}

}  // namespace trivelan::app
