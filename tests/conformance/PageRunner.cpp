// The table of user scenarios run on the page by the one runner every window
// uses, through a driver in another process (page_driver.py) that works the
// browser: each request a line on standard output, each answer a line on
// standard input. The driver only presses, types and reads; what a step means
// and what it must show is decided here.
// Usage: trivelan_page_runner TABLE WHERE   (WHERE names the run in its messages)
//
// Requests, their fields after the verb separated by tabs (a tab, a line feed,
// a carriage return and a backslash in a text written \t, \n, \r and \\):
//   open FRAGMENT | reload | press ID TOUCH | pause MS | key NAME HELD | type TEXT
//   settle | cannot VERB TEXT | read WHAT    (row, underlined, focus, report, helpboxes,
//   helpbox, address, history)
// Each is answered by one line: "ok", or what was read; "cannot" by the reason
// the browser cannot do or see that step, or an empty line.
#include <iostream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "Conformance.h"
#include "design/DigitRow.h"
#include "design/Help.h"
#include "design/Text.h"

namespace {

namespace conformance = trivelan::conformance;
namespace design = trivelan::design;

constexpr auto kControls = design::AllControls();

std::string Escaped(const std::string& text) {
    std::string escaped;
    for (const char c : text) {
        if (c == '\t') {
            escaped += "\\t";
        } else if (c == '\n') {
            escaped += "\\n";
        } else if (c == '\r') {
            escaped += "\\r";
        } else if (c == '\\') {
            escaped += "\\\\";
        } else {
            escaped += c;
        }
    }
    return escaped;
}

std::vector<std::string> Fields(const std::string& line) {
    std::vector<std::string> fields(1);
    for (std::size_t i = 0; i < line.size(); ++i) {
        if (line[i] == '\t') {
            fields.emplace_back();
        } else if (line[i] == '\\' && i + 1 < line.size()) {
            const char c = line[++i];
            fields.back() += c == 't' ? '\t' : c == 'n' ? '\n' : c == 'r' ? '\r' : c;
        } else {
            fields.back() += line[i];
        }
    }
    return fields;
}

class PageDriver final : public conformance::Driver {
  public:
    // The answer to a request, its fields.
    std::vector<std::string> Ask(const std::vector<std::string>& request) const {
        std::string line;
        for (const std::string& field : request)
            line += (line.empty() ? "" : "\t") + Escaped(field);
        std::cout << line << std::endl;
        std::string answer;
        if (!std::getline(std::cin, answer)) throw std::runtime_error("the page's driver left");
        return Fields(answer);
    }
    std::string Read(const std::string& what) const { return Ask({"read", what}).front(); }

    void Open(const std::string& fragment) { Ask({"open", fragment}); }
    void Press(int cell, bool touch) override {
        Ask({"press", Id(design::DigitCell(cell)), touch ? "1" : "0"});
    }
    void Pause() override { Ask({"pause", std::to_string(design::kPageDoubleClickTime + 100)}); }
    void Click(int button) override {
        Ask({"press", Id(button == 0 ? design::kCheck : design::kClear), "1"});
    }
    void Key(const std::string& key, bool held) override { Ask({"key", key, held ? "1" : "0"}); }
    void Type(const std::string& text) override { Ask({"type", text}); }
    void Reload() override { Ask({"reload"}); }

    [[nodiscard]] std::string Digit(int cell) const override {
        return Row().substr(static_cast<std::size_t>(cell), 1);
    }
    [[nodiscard]] bool IsUnderlined(int cell) const override {
        std::istringstream cells(Underlined());
        for (std::string k; cells >> k;) {
            if (k == std::to_string(cell)) return true;
        }
        return false;
    }
    [[nodiscard]] std::string Row() const override { return Read("row"); }
    [[nodiscard]] std::string Underlined() const override { return Read("underlined"); }
    // By the element's id, as the design names it.
    [[nodiscard]] std::string Focus() const override {
        const std::string id = Read("focus");
        for (const design::ControlDesign& control : kControls) {
            if (Id(control) == id) return design::ControlName(control);
        }
        return id;  // help, or none
    }
    [[nodiscard]] std::string Report() const override {
        return design::ToUtf8(design::ToCrLf(design::FromUtf8(Read("report"), 1 << 20)));
    }
    [[nodiscard]] int HelpBoxes() const override { return std::stoi(Read("helpboxes")); }
    // Its title, its text, its place and the window's size (left, top, width,
    // height, window width, window height, in whole pixels), and the caret's
    // place where the focus is in its text (-1 where it is not).
    [[nodiscard]] std::string HelpBox() const override {
        const std::vector<std::string> box = Ask({"read", "helpbox"});
        if (box.size() < 4) return "none";
        std::istringstream numbers(box.at(2));
        design::PixelRect place{};
        design::PixelRect window{};
        numbers >> place.left >> place.top >> place.width >> place.height >> window.width >>
            window.height;
        const std::string text =
            design::ToUtf8(design::ToLineFeeds(design::HelpText(design::Window::Page)));
        const std::string statement = design::ToUtf8(design::ToLineFeeds(design::kStatement));
        const std::u16string shown = design::FromUtf8(box.at(1), 1 << 20);
        const std::size_t at = shown.find(design::FromUtf8(statement, 1 << 20));
        return conformance::HelpBoxSeen(box.at(0), box.at(1) == text,
                                        conformance::Centred(place, window),
                                        box.at(3) == std::to_string(at));
    }
    [[nodiscard]] std::string Address() const override { return Read("address"); }
    [[nodiscard]] int History() const override { return std::stoi(Read("history")); }
    // The step, by its verb and its text ("key Shift+Tab"), or its verb alone.
    [[nodiscard]] std::string Cannot(const std::string& verb,
                                     const std::string& text) const override {
        const std::string step = verb + " " + text;
        if (!cannot_.contains(step)) cannot_[step] = Ask({"cannot", verb, text}).front();
        return cannot_.at(step);
    }
    bool Settle() override {
        Ask({"settle"});
        return true;
    }

  private:
    static std::string Id(const design::ControlDesign& control) {
        return design::ControlName(control, "_", "");
    }
    mutable std::map<std::string, std::string> cannot_;
};

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 3) {
        std::cerr << "usage: trivelan_page_runner TABLE WHERE\n";
        return 2;
    }
    const std::string where = argv[2];
    const auto scenarios = conformance::ReadScenarios(argv[1]);
    if (scenarios.size() < 20) {
        std::cerr << where << ": the table has " << scenarios.size() << " scenarios\n";
        return 1;
    }
    int runs = 0;
    int failures = 0;
    PageDriver driver;
    for (const conformance::Scenario& scenario : scenarios) {
        if (!scenario.ForPage()) continue;
        ++runs;
        conformance::Run run(scenario, driver);
        try {
            driver.Open(scenario.Fragment());
            while (run.Step()) {
            }
        } catch (const std::runtime_error& error) {
            std::cerr << "FAIL: " << where << ", " << scenario.name << ": " << error.what() << '\n';
            return 1;
        }
        for (const std::string& skipped : run.Skipped()) {
            std::cerr << "skipped: " << where << ", " << skipped << '\n';
        }
        for (const std::string& failure : run.Failures()) {
            std::cerr << "FAIL: " << where << ", " << failure << '\n';
        }
        failures += run.Failures().empty() ? 0 : 1;
    }
    std::cerr << where << ": " << runs - failures << " scenarios passed, " << failures
              << " failed\n";
    return failures == 0 ? 0 : 1;
}
