// The conformance table run in-process against the fake window, in a moment:
// the presenter's rules alone, with the toolkit's own part played as every
// toolkit plays it (a press on a button takes the focus, Space or Enter on a
// button presses it, Escape closes the help). What a text box does with typing
// and undo is the toolkit's own: those scenarios are the real windows'.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "../core/FakeWindow.h"
#include "Conformance.h"
#include "design/Help.h"
#include "design/Text.h"

namespace {

namespace conformance = trivelan::conformance;
namespace design = trivelan::design;

constexpr auto kControls = design::AllControls();
constexpr int kDoubleClickTime = 500;

class FakeDriver final : public conformance::Driver {
  public:
    FakeDriver(trivelan::testing::FakeWindow& window, design::Presenter& presenter)
        : window_(window), presenter_(presenter) {}

    void Press(int cell, bool /*touch*/) override {
        clock_ += 100;
        presenter_.CellPressed(cell, clock_, kDoubleClickTime);
        presenter_.CellReleased(cell, true);
    }
    void Pause() override { clock_ += kDoubleClickTime + 100; }
    void Click(int button) override {
        const design::ControlDesign& control = button == 0 ? design::kCheck : design::kClear;
        if (design::TakesFocusOnPress(control)) window_.focus = design::PositionOf(control);
        presenter_.ButtonClicked(button);
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
        if (window_.help && key == "Escape") {
            window_.help.reset();
            presenter_.HelpClosed();
        } else if (key == "Tab" || key == "Shift+Tab") {
            presenter_.Tab(key == "Tab");
        } else if (row.contains(key) && IsCell(window_.focus)) {
            presenter_.CellKey(row.at(key), true, held);
            if (!held) presenter_.CellKey(row.at(key), false, false);
        } else if ((key == "Space" || key == "Enter") && IsButton(window_.focus)) {
            presenter_.ButtonClicked(kControls.at(*window_.focus).index);
        } else if (const auto command = commands.find(key); command != commands.end()) {
            const auto [code, control] = command->second;
            if (const auto chosen = presenter_.CommandFor(code, control)) presenter_.Apply(*chosen);
        }
    }
    void Type(const std::string& /*text*/) override {}

    [[nodiscard]] std::string Digit(int cell) const override {
        return design::ToUtf8(window_.Caption(static_cast<std::int16_t>(cell)));
    }
    [[nodiscard]] bool IsUnderlined(int cell) const override {
        return window_.underlined.at(static_cast<std::size_t>(cell));
    }
    [[nodiscard]] std::string Focus() const override {
        if (window_.help) return "help";
        return window_.focus ? design::ControlName(kControls.at(*window_.focus)) : "none";
    }
    [[nodiscard]] std::string Report() const override { return design::ToUtf8(window_.report); }
    [[nodiscard]] int HelpBoxes() const override { return window_.help ? 1 : 0; }
    [[nodiscard]] std::string HelpBox() const override {
        if (!window_.help) return "none";
        const design::HelpBox& box = *window_.help;
        const design::HelpPlacement place = design::PlaceHelp(box.scale, window_.screen);
        const design::PixelRect work = window_.screen.workArea;
        return conformance::HelpBoxSeen(
            design::ToUtf8(box.title), box.text == design::HelpText(design::Window::Desktop),
            place.position.x >= work.left && place.position.y >= work.top &&
                place.client.width <= work.width && place.client.height <= work.height,
            box.text.substr(design::HelpCaret(false)).starts_with(design::kStatement));
    }
    [[nodiscard]] int Zoom() const override { return presenter_.Zoom(); }
    [[nodiscard]] std::string Layout() const override {
        const design::Placement& placed = *window_.placement;
        const design::PixelRect screen = window_.screen.whole;
        const conformance::WindowSeen seen{presenter_.IsFullScreen(),
                                           Zoom(),
                                           {screen.width, screen.height},
                                           placed.client,
                                           window_.position};
        return layout_(seen, [&placed](const design::ControlDesign& /*control*/,
                                       const design::ScreenFit& fit) {
            return placed.scale.factor == fit.scale.factor &&
                   placed.origin == design::Point{fit.left, fit.top};
        });
    }

  private:
    static bool IsCell(std::optional<std::size_t> at) {
        return at && design::IsDigitCell(kControls.at(*at));
    }
    static bool IsButton(std::optional<std::size_t> at) {
        return at && kControls.at(*at).kind == design::ControlKind::PushButton;
    }

    trivelan::testing::FakeWindow& window_;
    design::Presenter& presenter_;
    std::int64_t clock_ = 0;
    mutable conformance::LayoutCheck layout_;
};

TEST(Conformance, EveryScenarioAgainstTheFakeWindow) {
    const auto scenarios = conformance::ReadScenarios(TRIVELAN_SCENARIOS);
    ASSERT_GE(scenarios.size(), 20U);
    for (const conformance::Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        const bool edits = std::any_of(
            scenario.actions.begin(), scenario.actions.end(),
            [](const conformance::Action& a) { return a.verb == "type" || a.text == "Ctrl+Z"; });
        if (edits || !conformance::OpensWindow(scenario, [](const auto& f) { ADD_FAILURE() << f; }))
            continue;
        trivelan::testing::FakeWindow window;
        design::Presenter presenter(window, design::Window::Desktop,
                                    [](const trivelan::runtime::RuntimeError& error) {
                                        ADD_FAILURE() << "run-time error " << error.Number();
                                    });
        presenter.Load(scenario.CommandLine().start);
        FakeDriver driver(window, presenter);
        conformance::Run run(scenario, driver);
        while (run.Step()) {
        }
        for (const std::string& failure : run.Failures()) ADD_FAILURE() << failure;
    }
}

}  // namespace
