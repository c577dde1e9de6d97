#include "CommandLine.h"

#include <cstdio>
#include <string_view>

#include "Version.h"

namespace trivelan::app {
namespace {

constexpr int kUsageError = 2;

void PrintHelp(std::FILE* out) {
    std::fprintf(
        out,
        "Употреба: %s [--help | --version]\n"
        "\n"
        "Тривелан е упражнение по математика и информатика: щракване върху някоя от 15-те\n"
        "клетки увеличава цифрата ѝ с 1; „Провери“ казва дали редицата е палиндром и дали\n"
        "е балансирана; „Чисти“ връща всички цифри на 0.\n"
        "\n"
        "  -h, --help     показва тази помощ\n"
        "  -v, --version  показва версията\n",
        kProgramName);
}

bool IsKnown(std::string_view arg) {
    return arg == "--help" || arg == "-h" || arg == "--version" || arg == "-v";
}

}  // namespace

std::optional<int> HandleCommandLine(std::span<char* const> args, std::FILE* out, std::FILE* err) {
    if (args.size() <= 1) return std::nullopt;
    const std::string_view first = args[1];
    if (args.size() == 2 && (first == "--help" || first == "-h")) {
        PrintHelp(out);
        return 0;
    }
    if (args.size() == 2 && (first == "--version" || first == "-v")) {
        std::fprintf(out, "%s %s\n", kProgramName, kVersionText);
        return 0;
    }
    for (std::size_t i = 1; i < args.size(); ++i) {
        const char* arg = args[i];
        if (IsKnown(arg)) continue;
        std::fprintf(err, "%s: %s '%s' (try --help)\n", kProgramName,
                     arg[0] == '-' ? "unknown option" : "unexpected argument", arg);
        return kUsageError;
    }
    std::fprintf(err, "%s: --help and --version take no other arguments\n", kProgramName);
    return kUsageError;
}

}  // namespace trivelan::app
