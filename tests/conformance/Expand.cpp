// The table of user scenarios spelt out as the desktop drivers read it, for the
// page's driver, so that one reader serves all three windows: a line
// "scenario<TAB>NAME" for each scenario, then one "LINE<TAB>VERB<TAB>TEXT<TAB>NUMBER"
// for each step; a pause's number is how long it waits on the page, in
// milliseconds. First, "help<TAB>TEXT": the page's help, each line break as \n.
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
    std::cout << "help\t";
    for (const char16_t c : design::ToLineFeeds(design::HelpText(design::Window::Page))) {
        if (c == u'\n') {
            std::cout << "\\n";
        } else if (c < 0x80) {
            std::cout << static_cast<char>(c);
        } else if (c < 0x800) {
            std::cout << static_cast<char>(0xC0 | (c >> 6)) << static_cast<char>(0x80 | (c & 0x3F));
        } else {
            std::cout << static_cast<char>(0xE0 | (c >> 12))
                      << static_cast<char>(0x80 | ((c >> 6) & 0x3F))
                      << static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    std::cout << '\n';
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
