// The table of user scenarios spelt out as the desktop drivers read it, for the
// page's driver, so that one reader serves all three windows: a line
// "scenario<TAB>NAME" for each scenario, then one "LINE<TAB>VERB<TAB>TEXT<TAB>NUMBER"
// for each step; a pause's number is how long it waits on the page, in
// milliseconds. Usage: trivelan_scenarios TABLE
#include <iostream>

#include "Conformance.h"
#include "design/DigitRow.h"

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: trivelan_scenarios TABLE\n";
        return 2;
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
