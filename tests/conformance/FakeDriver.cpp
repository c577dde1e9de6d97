// The conformance table run in-process against the fake window, in a moment:
// the presenter's rules alone, with the toolkit's part played as every toolkit
// plays it: a press on a push button gives it the focus and a press on a label
// does not, Space or Enter on a focused button presses it, Tab walks the stops,
// Escape closes a box, typing and undo in the focused text box. The desktop's
// scenarios as a desktop window, the page's as the page.
#include <gtest/gtest.h>

#include <map>
#include <memory>

#include "../core/FakeWindow.h"
#include "Conformance.h"
#include "design/Help.h"
#include "design/Text.h"

namespace {

namespace conformance = trivelan::conformance;
namespace design = trivelan::design;
using trivelan::testing::FakeWindow;

constexpr auto kControls = design::AllControls();
constexpr int kDoubleClickTime = 500;

// A window and its presenter, opened as a user opens one: the desktop program
// with its command line, the page with its address.
struct Opened {
    Opened(design::Window kind, const design::RowReading& start, const std::u16string& address)
        : presenter(window, kind, [](const trivelan::runtime::RuntimeError& error) {
              ADD_FAILURE() << "run-time error " << error.Number();
          }) {
        window.address = address;
        presenter.Load(start);
    }
    FakeWindow window;
    design::Presenter presenter;
};

class FakeDriver final : public conformance::Driver {
  public:
    // The desktop program with its command line's row.
    explicit FakeDriver(const design::RowReading& start)
        : kind_(design::Window::Desktop),
          opened_(std::make_unique<Opened>(kind_, start, std::u16string())) {}
    // The page with its address.
    explicit FakeDriver(const std::u16string& address)
        : kind_(design::Window::Page),
          opened_(std::make_unique<Opened>(kind_, design::ReadAddress(address), address)) {}

    // The desktop's system tells its double-click time; a browser tells a page none.
    void Press(int cell, bool /*touch*/) override {
        clock_ += 100;
        if (kind_ == design::Window::Desktop) {
            Presenter().CellPressed(cell, clock_, kDoubleClickTime);
        } else {
            Presenter().CellPressed(cell, clock_);
        }
        Presenter().CellReleased(cell, true);
    }
    void Pause() override { clock_ += kDoubleClickTime + 100; }
    void Click(int button) override {
        Window().focus = design::PositionOf(button == 0 ? design::kCheck : design::kClear);
        Presenter().ButtonClicked(button);
    }
    void Key(const std::string& key, bool held) override {
        static const std::map<std::string, design::RowKey> row{
            {"Left", design::RowKey::Left},   {"Right", design::RowKey::Right},
            {"Home", design::RowKey::Home},   {"End", design::RowKey::End},
            {"Space", design::RowKey::Space}, {"Enter", design::RowKey::Enter}};
        static const std::map<std::string, std::pair<design::Key, bool>> commands{
            {"F1", {design::Key::F1, false}},
            {"F11", {design::Key::F11, false}},
            {"Escape", {design::Key::Escape, false}},
            {"Ctrl+A", {design::Key::A, true}},
            {"Ctrl+Plus", {design::Key::Plus, true}},
            {"Ctrl+=", {design::Key::Equal, true}},
            {"Ctrl+Keypad+", {design::Key::KeypadPlus, true}},
            {"Ctrl+Minus", {design::Key::Minus, true}},
            {"Ctrl+0", {design::Key::Zero, true}}};
        FakeWindow& window = Window();
        if (window.helpBoxes > 0) {  // the box has the keys; Escape closes it
            if (key == "Escape") {
                --window.helpBoxes;
                Presenter().HelpClosed();
            } else if (key == "F1") {
                Presenter().Apply(design::Command::Help);
            }
        } else if (key == "Tab" || key == "Shift+Tab") {
            Presenter().Tab(key == "Tab");
        } else if (row.contains(key) && Is(window.focus, IsCell)) {
            Presenter().CellKey(row.at(key), true, held);
            if (!held) Presenter().CellKey(row.at(key), false, false);
        } else if ((key == "Space" || key == "Enter") && Is(window.focus, IsButton)) {
            Presenter().ButtonClicked(kControls.at(*window.focus).index);
        } else if (key == "Ctrl+Z" && Is(window.focus, design::IsReport)) {
            window.Undo();
        } else if (const auto command = commands.find(key); command != commands.end()) {
            const auto [code, control] = command->second;
            if (const auto chosen = Presenter().CommandFor(code, control)) {
                Presenter().Apply(*chosen);
            }
        }
    }
    // Into the report, where it has the focus; the help's text takes none.
    void Type(const std::string& text) override {
        FakeWindow& window = Window();
        if (window.helpBoxes > 0 || !Is(window.focus, design::IsReport)) return;
        std::u16string typed = design::FromUtf8(text, text.size());
        for (char16_t& c : typed) c = c == u'|' ? u'\n' : c;
        window.Type(design::ToCrLf(typed));
    }
    void Reload() override {
        const std::u16string address = Window().address;
        opened_ = std::make_unique<Opened>(kind_, design::ReadAddress(address), address);
    }

    [[nodiscard]] std::string Digit(int cell) const override {
        return design::ToUtf8(Window().Caption(static_cast<std::int16_t>(cell)));
    }
    [[nodiscard]] bool IsUnderlined(int cell) const override {
        return Window().underlined.at(static_cast<std::size_t>(cell));
    }
    [[nodiscard]] std::string Focus() const override {
        if (Window().helpBoxes > 0) return "help";
        return Window().focus ? design::ControlName(kControls.at(*Window().focus)) : "none";
    }
    [[nodiscard]] std::string Report() const override { return design::ToUtf8(Window().report); }
    [[nodiscard]] int HelpBoxes() const override { return Window().helpBoxes; }
    [[nodiscard]] std::string HelpBox() const override {
        const FakeWindow& window = Window();
        if (window.helpBoxes == 0) return "none";
        const design::HelpBox& box = *window.help;
        const design::HelpPlacement place = design::PlaceHelp(box.scale, window.screen);
        const design::Size frame = window.screen.frame;
        return conformance::HelpBoxSeen(
            design::ToUtf8(box.title), box.text == design::HelpText(kind_),
            conformance::Centred(
                {place.position.x, place.position.y, place.client.width + frame.width,
                 place.client.height + frame.height},
                window.screen.workArea),
            box.text.substr(design::HelpCaret(false)).starts_with(design::kStatement));
    }
    [[nodiscard]] std::string Address() const override { return design::ToUtf8(Window().address); }
    [[nodiscard]] std::string Cannot(const std::string& verb,
                                     const std::string& /*text*/) const override {
        return verb == "history" ? "the fake window keeps no history of its addresses" : "";
    }
    [[nodiscard]] int Zoom() const override { return opened_->presenter.Zoom(); }
    [[nodiscard]] std::string Layout() const override {
        const FakeWindow& window = Window();
        const design::Placement& placed = *window.placement;
        const design::PixelRect screen = window.screen.whole;
        const conformance::WindowSeen seen{opened_->presenter.IsFullScreen(),
                                           Zoom(),
                                           {screen.width, screen.height},
                                           placed.client,
                                           window.position};
        return layout_(seen, [&placed](const design::ControlDesign& /*control*/,
                                       const design::ScreenFit& fit) {
            return placed.scale.factor == fit.scale.factor &&
                   placed.origin == design::Point{fit.left, fit.top};
        });
    }

  private:
    static bool IsCell(const design::ControlDesign& c) { return design::IsDigitCell(c); }
    static bool IsButton(const design::ControlDesign& c) {
        return c.kind == design::ControlKind::PushButton;
    }
    template <typename Kind>
    static bool Is(std::optional<std::size_t> at, Kind&& kind) {
        return at && kind(kControls.at(*at));
    }
    [[nodiscard]] FakeWindow& Window() const { return opened_->window; }
    [[nodiscard]] design::Presenter& Presenter() const { return opened_->presenter; }

    design::Window kind_;
    std::unique_ptr<Opened> opened_;
    std::int64_t clock_ = 0;
    mutable conformance::LayoutCheck layout_;
};

TEST(Conformance, EveryScenarioAgainstTheFakeWindow) {
    const auto scenarios = conformance::ReadScenarios(TRIVELAN_SCENARIOS);
    ASSERT_GE(scenarios.size(), 20U);
    const auto run = [](const conformance::Scenario& scenario, FakeDriver&& driver) {
        conformance::Run steps(scenario, driver);
        while (steps.Step()) {
        }
        for (const std::string& failure : steps.Failures()) ADD_FAILURE() << failure;
    };
    for (const conformance::Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        if (conformance::OpensWindow(scenario, [](const auto& f) { ADD_FAILURE() << f; })) {
            SCOPED_TRACE("as a desktop window");
            run(scenario, FakeDriver(scenario.CommandLine().start));
        }
        if (scenario.ForPage()) {
            SCOPED_TRACE("as the page");
            const std::string fragment = scenario.Fragment();
            run(scenario, FakeDriver(design::FromUtf8(fragment, fragment.size())));
        }
    }
}

}  // namespace
