#pragma once

#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "design/StartRow.h"
#include "design/Text.h"

// The table of user scenarios (scenarios.txt), read: each scenario's steps,
// with "enter" and a press's count spelt out into single presses, and what a
// scenario asks of the window it opens.
namespace trivelan::conformance {

struct Action {
    int line;
    std::string verb;  // press, tap, pause, click, key, hold, or an expectation
    std::string text;
    int number = 0;
};

struct Scenario {
    std::string name;
    std::vector<Action> actions;

    // Whether a desktop window runs it: "[page] ..." scenarios are the page's
    // alone; whether the page does: not "[desktop] ...".
    [[nodiscard]] bool ForDesktop() const { return name.rfind("[page]", 0) != 0; }
    [[nodiscard]] bool ForPage() const { return name.rfind("[desktop]", 0) != 0; }
    // The row the scenario starts with, as given ("start ROW"), if any.
    [[nodiscard]] std::optional<std::string> Start() const {
        if (actions.empty() || actions.front().verb != "start") return std::nullopt;
        return actions.front().text;
    }
    // The desktop program's command line for the scenario's "start", if any.
    [[nodiscard]] design::CommandLine CommandLine() const {
        std::vector<std::u16string> args;
        if (const auto row = Start()) {
            args = {u"--row", design::FromUtf8(*row, design::kLongestInput + 1)};
        }
        return design::ReadCommandLine(args);
    }
    // The page's address fragment for its start.
    [[nodiscard]] std::string Fragment() const {
        const auto row = Start();
        return row ? design::ToUtf8(
                         design::RowAddress(design::FromUtf8(*row, design::kLongestInput + 1)))
                   : "";
    }
};

// The row entered by clicks that never make a double click: passes over the
// cells with digits left, waiting only where one pass would press the cell
// the last one ended on.
inline void AddEntry(std::vector<Action>& actions, int line, const std::string& digits) {
    int last = -1;
    for (int pass = 1; pass <= 9; ++pass) {
        for (int k = 0; k < static_cast<int>(digits.size()); ++k) {
            if (digits.at(static_cast<std::size_t>(k)) - '0' < pass) continue;
            if (k == last) actions.push_back({line, "pause", "", 0});
            actions.push_back({line, "press", "", k});
            last = k;
        }
    }
}

inline std::vector<Scenario> ReadScenarios(const std::string& path) {
    std::ifstream file(path);
    std::vector<Scenario> scenarios;
    std::string text;
    int line = 0;
    while (std::getline(file, text)) {
        ++line;
        if (text.empty() || text.front() == '#') continue;
        const std::size_t space = text.find(' ');
        const std::string verb = text.substr(0, space);
        const std::string rest = space == std::string::npos ? "" : text.substr(space + 1);
        if (verb == "scenario") {
            scenarios.push_back({rest, {}});
            continue;
        }
        if (scenarios.empty()) continue;
        std::vector<Action>& actions = scenarios.back().actions;
        if (verb == "enter") {
            AddEntry(actions, line, rest);
        } else if (verb == "press" || verb == "tap") {
            std::istringstream numbers(rest);
            int cell = 0;
            int count = 1;
            numbers >> cell >> count;
            for (int n = 0; n < count; ++n) actions.push_back({line, verb, "", cell});
        } else {
            actions.push_back({line, verb, rest, 0});
        }
    }
    return scenarios;
}

// Whether a desktop window opens for the scenario: not for the page's own, nor
// for a command line the program refuses. Then all there is to see is what it
// said (a "told" step); any other step is a failure, handed to fail.
inline bool OpensWindow(const Scenario& scenario, const auto& fail) {
    if (!scenario.ForDesktop()) return false;
    const design::CommandLine line = scenario.CommandLine();
    if (line.action != design::CommandLine::Action::Refuse) return true;
    const std::string said = design::ToUtf8(line.message);
    for (const Action& a : scenario.actions) {
        if (a.verb != "start" && (a.verb != "told" || a.text != said)) {
            fail(scenario.name + ", line " + std::to_string(a.line) + ", " + a.verb +
                 ": the program refused its command line: \"" + said + "\"");
        }
    }
    return false;
}

}  // namespace trivelan::conformance
