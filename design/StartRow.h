#pragma once

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "About.h"
#include "FormDesign.h"
#include "Text.h"
#include "Version.h"
#include "runtime/Values.h"

// A row a teacher hands the class: in the page's address (#row=DDDDDDDDDDDDDDD)
// or on the desktop programs' command line (--row DDDDDDDDDDDDDDD), and the
// rest of the command line. What a valid row is, and what a user is told when
// something is not, is decided here for every window.
namespace trivelan::design {

// Longer input is not read at all: no row or option is anywhere near it. A
// command line of more words is refused; the one after the last is read only
// to know there are more.
inline constexpr std::size_t kLongestInput = 256;
inline constexpr std::size_t kMostArguments = 8;

// A row as read: its fifteen digits (empty for the zeros the form starts
// with), or what was wrong with it, in Bulgarian, and then the zeros.
struct RowReading {
    std::u16string digits;
    std::u16string problem;
};

namespace detail {

inline constexpr std::u16string_view kExpected = u"очакват се 15 цифри от 0 до 9.";

// Characters as a reader counts them: a surrogate pair is one.
inline std::size_t Characters(std::u16string_view text) {
    std::size_t count = 0;
    for (const char16_t c : text) count += c >= 0xDC00 && c < 0xE000 ? 0 : 1;
    return count;
}

// A user's own text, quoted, and cut where it runs long.
inline std::u16string Quoted(std::u16string_view text) {
    constexpr std::size_t kLongest = 40;
    std::u16string quoted = u"„";
    quoted.append(text.substr(0, kLongest)).append(text.size() > kLongest ? u"…“" : u"“");
    return quoted;
}

}  // namespace detail

[[nodiscard]] inline RowReading ReadRow(std::u16string_view text) {
    using detail::kExpected;
    if (text.size() > kLongestInput)
        return {{}, u"Редицата е твърде дълга: " + std::u16string(kExpected)};
    if (text.empty()) return {{}, u"Редицата е празна: " + std::u16string(kExpected)};
    const std::size_t characters = detail::Characters(text);
    if (characters != static_cast<std::size_t>(kDigitCellCount)) {
        return {{},
                u"Редицата има " + runtime::NumberToText(static_cast<std::int32_t>(characters)) +
                    (characters == 1 ? u" знак: " : u" знака: ") + std::u16string(kExpected)};
    }
    for (std::size_t k = 0; k < text.size(); ++k) {
        if (text[k] < u'0' || text[k] > u'9') {
            return {{},
                    u"Знак " + runtime::NumberToText(static_cast<std::int32_t>(k + 1)) +
                        u" на редицата не е цифра: " + std::u16string(kExpected)};
        }
    }
    return {std::u16string(text), {}};
}

// The page's address fragment ("#row=...") as a start; any other fragment is
// no row at all.
[[nodiscard]] inline RowReading ReadAddress(std::u16string_view fragment) {
    constexpr std::u16string_view kRow = u"#row=";
    if (fragment.substr(0, kRow.size()) != kRow) return {};
    return ReadRow(fragment.substr(kRow.size()));
}

// The fragment that names a row, for the page's address as the row changes.
[[nodiscard]] inline std::u16string RowAddress(std::u16string_view row) {
    return u"#row=" + std::u16string(row);
}

// What a desktop program is asked on its command line.
struct CommandLine {
    enum class Action { Run, Help, Version, Refuse };
    Action action = Action::Run;
    RowReading start;        // for Run
    std::u16string message;  // for Help and Version their text; for Refuse what was wrong
};

// Said after what was wrong with a command line.
[[nodiscard]] inline std::u16string HelpHint() { return u"Вижте " + ProgramName() + u" --help."; }

// The usage, the exercise and the options, for a terminal 80 columns wide.
[[nodiscard]] inline std::u16string CommandLineHelp() {
    std::u16string help =
        u"Употреба: " + ProgramName() + u" [--row ЦИФРИ | --help | --version]\n\n";
    for (const std::u16string& paragraph : Description()) help += Wrap(paragraph, 80) + u"\n";
    return help +
           u"\n"
           u"  --row ЦИФРИ    започва с тази редица от 15 цифри, например --row "
           u"001120000001111\n"
           u"  -h, --help     показва тази помощ\n"
           u"  -v, --version  показва версията\n";
}

// The arguments after the program's name. Nothing but --row with one valid
// row, or --help or --version alone, is taken.
[[nodiscard]] inline CommandLine ReadCommandLine(std::span<const std::u16string> args) {
    using Action = CommandLine::Action;
    const auto refuse = [](std::u16string message) {
        return CommandLine{Action::Refuse, {}, std::move(message)};
    };
    if (args.size() > kMostArguments) return refuse(u"Твърде много аргументи.");
    if (args.size() == 1 && (args[0] == u"--help" || args[0] == u"-h")) {
        return {Action::Help, {}, CommandLineHelp()};
    }
    if (args.size() == 1 && (args[0] == u"--version" || args[0] == u"-v")) {
        return {Action::Version, {}, ProgramName() + u" " + Ascii(kVersionText)};
    }
    CommandLine line;
    bool rowGiven = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::u16string_view arg = args[i];
        std::u16string_view row;
        if (arg == u"--row") {
            if (i + 1 == args.size())
                return refuse(u"След --row липсва редицата: " + std::u16string(detail::kExpected));
            row = args[++i];
        } else if (arg.substr(0, 6) == u"--row=") {
            row = arg.substr(6);
        } else if (arg == u"--help" || arg == u"-h" || arg == u"--version" || arg == u"-v") {
            return refuse(std::u16string(arg) + u" не се дава с други аргументи.");
        } else {
            return refuse(
                (arg.substr(0, 1) == u"-" ? u"Непозната опция " : u"Неочакван аргумент ") +
                detail::Quoted(arg) + u".");
        }
        if (rowGiven) return refuse(u"--row е дадено повече от веднъж: очаква се една редица.");
        rowGiven = true;
        line.start = ReadRow(row);
        if (!line.start.problem.empty()) return refuse(line.start.problem);
    }
    return line;
}

// The words of a command line after the program's name, as far as the reading
// takes them: one more than the most it takes, each one character longer than
// the longest, and read no further. word(i, limit) gives the i-th word, from 1,
// cut to that many characters.
template <typename Word>
[[nodiscard]] std::vector<std::u16string> CommandLineWords(std::size_t count, Word&& word) {
    std::vector<std::u16string> words;
    for (std::size_t i = 1; i < count && i <= kMostArguments + 1; ++i) {
        words.push_back(word(i, kLongestInput + 1));
    }
    return words;
}

// What a desktop program answers its command line with, before any window:
// an exit status and what it says (on standard output or standard error, in an
// information or an error box), or no status, and a window opens with the row.
struct CommandLineAnswer {
    std::optional<int> status;
    std::u16string text;
    bool error = false;
    RowReading start;
};

// For a terminal, an error starts with the program's name and every answer
// ends its line; in a box the hint stands below the error.
[[nodiscard]] inline CommandLineAnswer AnswerCommandLine(std::span<const std::u16string> words,
                                                         bool terminal) {
    const CommandLine line = ReadCommandLine(words);
    switch (line.action) {
        case CommandLine::Action::Help:
        case CommandLine::Action::Version:
            return {0,
                    line.message + (terminal && !line.message.ends_with(u'\n') ? u"\n" : u""),
                    false,
                    {}};
        case CommandLine::Action::Refuse:
            return {2,  // a usage error
                    terminal ? ProgramName() + u": " + line.message + u" " + HelpHint() + u"\n"
                             : line.message + u"\n\n" + HelpHint(),
                    true,
                    {}};
        case CommandLine::Action::Run:
            break;
    }
    return {std::nullopt, {}, false, line.start};
}

}  // namespace trivelan::design
