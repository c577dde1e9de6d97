// The table of user scenarios spelt out as the desktop drivers read it, for the
// page's driver, so that one reader serves all three windows: a line
// "scenario<TAB>NAME" for each scenario, then one "LINE<TAB>VERB<TAB>TEXT<TAB>NUMBER"
// for each step; a pause's number is how long it waits on the page, in
// milliseconds. First, "help<TAB>TEXT" and "statement<TAB>TEXT": the page's
// help and the design's exercise statement, each line break as \n.
// Usage: trivelan_scenarios TABLE
#include <iostream>

#include "Conformance.h"
#include "design/DigitRow.h"
#include "design/Help.h"
#include "design/Text.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: trivelan_scenarios TABLE\n";
        return 2;
    }
    namespace design = trivelan::design;
    for (const auto& [name, text] : {std::pair{"help", design::HelpText(design::Window::Page)},
                                     std::pair{"statement", std::u16string(design::kStatement)}}) {
        std::cout << name << '\t';
        for (const char c : design::ToUtf8(design::ToLineFeeds(text))) {
            std::cout << (c == '\n' ? std::string("\\n") : std::string(1, c));
        }
        std::cout << '\n';
    }
    for (const auto& scenario : trivelan::conformance::ReadScenarios(argv[1])) {
        std::cout << "scenario\t" << scenario.name << '\n';
        for (const auto& a : scenario.actions) {
            const int number =
                a.verb == "pause" ? trivelan::design::kPageDoubleClickTime + 100 : a.number;
            std::cout << a.line << '\t' << a.verb << '\t' << a.text << '\t' << number << '\n';
        }
    }
    return 0;
}
