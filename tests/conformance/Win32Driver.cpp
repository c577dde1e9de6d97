// The conformance table run on the Win32 window under Wine: mouse presses
// posted to the cells and taken from the queue as the message loop takes them
// (so the window reads each press's own time), keys through the window's
// shortcuts and dialog keys, and each step from the message queue, so that the
// help box's own loop runs the steps that follow F1.
#include <gtest/gtest.h>
#include <windows.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Conformance.h"
#include "design/FormDesign.h"
#include "design/Help.h"
#include "design/Presentation.h"
#include "design/Text.h"
#include "win32/Screen.h"
#include "win32/SequenceForm.h"
#include "win32/Text.h"

namespace {

namespace conformance = trivelan::conformance;
namespace design = trivelan::design;

constexpr UINT kStep = WM_APP + 1;
constexpr UINT kKey = WM_APP + 2;

std::string Utf8(const std::wstring& text) { return design::ToUtf8(trivelan::win32::Utf16(text)); }

std::wstring Wide(const std::string& bytes) {
    return trivelan::win32::Wide(design::FromUtf8(bytes, bytes.size()));
}

// A key and the modifier held with it: 1 Shift, 4 Ctrl.
struct KeyCode {
    WPARAM key;
    int modifiers;
};
constexpr int kShift = 1;
constexpr int kHeld = 2;
constexpr int kCtrl = 4;

class Win32Driver final : public conformance::Driver {
  public:
    Win32Driver(trivelan::win32::SequenceForm& form, HWND steps) : form_(form), steps_(steps) {}

    void Press(int cell, bool /*touch*/) override {
        PressAndRelease(Control(design::DigitCell(cell)));
    }
    void Pause() override { Sleep(GetDoubleClickTime() + 100); }
    // A button takes no part in the row's double clicks.
    void Click(int button) override {
        PressAndRelease(Control(button == 0 ? design::kCheck : design::kClear));
    }
    // Later, from the queue: F1 runs the help box's loop, which runs the steps after it.
    void Key(const std::string& key, bool held) override {
        static const std::map<std::string, KeyCode> keys{
            {"Tab", {VK_TAB, 0}},
            {"Shift+Tab", {VK_TAB, kShift}},
            {"Left", {VK_LEFT, 0}},
            {"Right", {VK_RIGHT, 0}},
            {"Home", {VK_HOME, 0}},
            {"End", {VK_END, 0}},
            {"Space", {VK_SPACE, 0}},
            {"Enter", {VK_RETURN, 0}},
            {"F1", {VK_F1, 0}},
            {"Escape", {VK_ESCAPE, 0}},
            {"F11", {VK_F11, 0}},
            {"Ctrl+A", {'A', kCtrl}},
            {"Ctrl+Z", {'Z', kCtrl}},
            {"Ctrl+Plus", {VK_OEM_PLUS, kCtrl | kShift}},
            {"Ctrl+=", {VK_OEM_PLUS, kCtrl}},
            {"Ctrl+Keypad+", {VK_ADD, kCtrl}},
            {"Ctrl+Minus", {VK_OEM_MINUS, kCtrl}},
            {"Ctrl+0", {'0', kCtrl}}};
        const KeyCode code = keys.at(key);
        PostMessageW(steps_, kKey, code.key, code.modifiers | (held ? kHeld : 0));
    }
    // The characters as the message loop makes them of keys, to the focused
    // control; a line break is the Enter key's carriage return.
    void Type(const std::string& text) override {
        for (const wchar_t c : Wide(text)) {
            SendMessageW(GetFocus(), WM_CHAR, c == L'|' ? L'\r' : c, 1);
        }
    }

    // A key as the message loop hands it over: the window's shortcuts and
    // dialog keys first, or the dialog keys of the box that has the focus.
    void Deliver(WPARAM key, int modifiers) {
        const bool held = (modifiers & kHeld) != 0;
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_SHIFT] = (modifiers & kShift) != 0 ? 0x80 : 0;
        state[VK_CONTROL] = (modifiers & kCtrl) != 0 ? 0x80 : 0;
        SetKeyboardState(state);
        HWND focus = GetFocus() != nullptr ? GetFocus() : form_.Handle();
        const LPARAM bits = held ? 1 | (1 << 30) : 1;
        for (const UINT message : {WM_KEYDOWN, WM_KEYUP}) {
            if (held && message == WM_KEYUP) break;
            MSG m{focus, message, key, message == WM_KEYUP ? bits | (3U << 30) : bits, 0, {}};
            HWND root = GetAncestor(focus, GA_ROOT);
            const bool used = root == form_.Handle() ? form_.TranslateKeyboard(m)
                                                     : IsDialogMessageW(root, &m) != 0;
            if (!used) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
        }
        // Undo is no command of the window's but the edit box's own, on the
        // control character Windows' keyboard layout makes of Ctrl+Z (Wine's
        // makes it only of a real key's scan code).
        if ((modifiers & kCtrl) != 0 && key == 'Z') SendMessageW(focus, WM_CHAR, 0x1A, 1);
        state[VK_SHIFT] = state[VK_CONTROL] = 0;
        SetKeyboardState(state);
        // What a key posted to a box (its text closes it on Escape so) comes
        // before the next step, as it would from the box's loop.
        HWND root = GetAncestor(focus, GA_ROOT);
        MSG posted{};
        while (root != form_.Handle() && PeekMessageW(&posted, root, 0, 0, PM_REMOVE)) {
            if (IsDialogMessageW(root, &posted) == 0) DispatchMessageW(&posted);
        }
    }

    [[nodiscard]] std::string Digit(int cell) const override {
        return design::ToUtf8(form_.Caption(static_cast<std::int16_t>(cell)));
    }
    [[nodiscard]] bool IsUnderlined(int cell) const override {
        return FontOf(Control(design::DigitCell(cell))).lfUnderline != 0;
    }
    [[nodiscard]] std::string Focus() const override {
        HWND focus = GetFocus();
        if (focus == nullptr) return "none";
        if (GetAncestor(focus, GA_ROOT) != form_.Handle()) return "help";
        for (const design::ControlDesign& control : design::AllControls()) {
            if (Control(control) == focus) return design::ControlName(control);
        }
        return "other";
    }
    [[nodiscard]] std::string Report() const override { return design::ToUtf8(form_.ReportText()); }
    [[nodiscard]] int HelpBoxes() const override { return static_cast<int>(Boxes().size()); }

    [[nodiscard]] std::string HelpBox() const override {
        const std::vector<HWND> boxes = Boxes();
        HWND box = boxes.empty() ? nullptr : boxes.front();
        if (box == nullptr) return "none";
        using trivelan::win32::WindowText;
        HWND text = FindWindowExW(box, nullptr, L"Edit", nullptr);
        const design::PixelRect work = trivelan::win32::ScreenOf(box, 96, 0).workArea;
        RECT place{};
        GetWindowRect(box, &place);
        DWORD caret = 0;
        SendMessageW(text, EM_GETSEL, reinterpret_cast<WPARAM>(&caret), 0);
        return conformance::HelpBoxSeen(
            Utf8(WindowText(box)),
            text != nullptr && WindowText(text) ==
                                   trivelan::win32::Wide(design::HelpText(design::Window::Desktop)),
            conformance::Centred(
                {place.left, place.top, place.right - place.left, place.bottom - place.top}, work),
            text != nullptr && GetFocus() == text &&
                caret == WindowText(text).find(trivelan::win32::Wide(design::kStatement)));
    }

    [[nodiscard]] int Zoom() const override { return form_.Zoom(); }
    // Every control also shows its design text where the program never changes
    // it, in its font and class.
    [[nodiscard]] std::string Layout() const override {
        const design::PixelRect monitor = trivelan::win32::ScreenOf(form_.Handle(), 96, 0).whole;
        const bool full = form_.IsFullScreen();
        RECT window{};
        RECT client{};
        GetWindowRect(form_.Handle(), &window);
        GetClientRect(form_.Handle(), &client);
        const conformance::WindowSeen seen{
            full,
            form_.Zoom(),
            {monitor.width, monitor.height},
            full ? design::Size{window.right - window.left, window.bottom - window.top}
                 : design::Size{client.right, client.bottom},
            {window.left - (full ? monitor.left : 0), window.top - (full ? monitor.top : 0)}};
        return layout_(seen, [this](const design::ControlDesign& c, const design::ScreenFit& fit) {
            HWND w = Control(c);
            RECT r{};
            GetWindowRect(w, &r);
            MapWindowPoints(HWND_DESKTOP, form_.Handle(), reinterpret_cast<POINT*>(&r), 2);
            const design::PixelRect p = design::ToPixels(fit.scale, design::WindowLeft(c),
                                                         design::WindowTop(c), c.width, c.height);
            const LOGFONTW font = FontOf(w);
            wchar_t kind[16] = {};
            GetClassNameW(w, kind, 16);
            const wchar_t* expectedKind =
                c.kind == design::ControlKind::Label && !design::IsDigitCell(c) ? L"Static"
                : c.kind == design::ControlKind::TextBox                        ? L"Edit"
                                                                                : L"Button";
            const bool fixedText = design::IsDigitCell(c) || design::IsReport(c) ||
                                   trivelan::win32::WindowText(w) == trivelan::win32::Wide(c.text);
            return design::PixelRect{r.left - fit.left, r.top - fit.top, r.right - r.left,
                                     r.bottom - r.top} == p &&
                   font.lfHeight == -fit.scale.Pixels(c.fontPoints * 20) &&
                   font.lfWeight == FW_NORMAL && font.lfCharSet == RUSSIAN_CHARSET &&
                   _wcsicmp(kind, expectedKind) == 0 && fixedText &&
                   ((GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0) == c.visible;
        });
    }

  private:
    HWND Control(const design::ControlDesign& control) const { return form_.Control(control); }

    // The thread's dialog boxes: open from their making until their loop ends,
    // shown or not yet.
    static std::vector<HWND> Boxes() {
        std::vector<HWND> boxes;
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND window, LPARAM found) -> BOOL {
                wchar_t name[16] = {};
                GetClassNameW(window, name, 16);
                if (std::wstring(name) == L"#32770") {
                    reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
                }
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&boxes));
        return boxes;
    }

    // Posted, then taken from the queue and dispatched, as the message loop
    // does with the mouse: the window reads the message's own time.
    static void PressAndRelease(HWND control) {
        PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
        MSG m{};
        while (PeekMessageW(&m, control, WM_LBUTTONDOWN, WM_LBUTTONUP, PM_REMOVE)) {
            DispatchMessageW(&m);
        }
    }

    static LOGFONTW FontOf(HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
                   &font);
        return font;
    }

    trivelan::win32::SequenceForm& form_;
    HWND steps_;
    mutable conformance::LayoutCheck layout_;
};

struct Session {
    conformance::Run* run = nullptr;
    Win32Driver* driver = nullptr;
    bool done = false;
};

LRESULT CALLBACK StepProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* session = reinterpret_cast<Session*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (session != nullptr && message == kStep) {
        if (session->run->Step()) {
            PostMessageW(window, kStep, 0, 0);
        } else {
            session->done = true;
        }
        return 0;
    }
    if (session != nullptr && message == kKey) {
        session->driver->Deliver(wParam, static_cast<int>(lParam));
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(Conformance, EveryScenarioInTheWin32Window) {
    const auto scenarios = conformance::ReadScenarios(TRIVELAN_SCENARIOS);
    ASSERT_GE(scenarios.size(), 20U);
    WNDCLASSW stepClass{};
    stepClass.lpfnWndProc = StepProc;
    stepClass.hInstance = GetModuleHandleW(nullptr);
    stepClass.lpszClassName = L"ConformanceSteps";
    RegisterClassW(&stepClass);
    for (const conformance::Scenario& scenario : scenarios) {
        SCOPED_TRACE(scenario.name);
        if (!conformance::OpensWindow(scenario, [](const auto& f) { ADD_FAILURE() << f; }))
            continue;
        auto form = std::make_unique<trivelan::win32::SequenceForm>(
            GetModuleHandleW(nullptr),
            [](const trivelan::runtime::RuntimeError& error) {
                ADD_FAILURE() << "run-time error " << error.Number();
            },
            scenario.CommandLine().start);
        ASSERT_NE(form->Handle(), nullptr);
        // Unshown: without a window manager Wine takes seconds to hide a closed
        // window. It is given the focus as on its activation.
        SetFocus(form->Handle());
        HWND steps = CreateWindowW(L"ConformanceSteps", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        Win32Driver driver(*form, steps);
        conformance::Run run(scenario, driver);
        Session session{&run, &driver, false};
        SetWindowLongPtrW(steps, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&session));
        PostMessageW(steps, kStep, 0, 0);
        MSG m{};
        while (!session.done && GetMessageW(&m, nullptr, 0, 0) > 0) {
            if (!form->TranslateKeyboard(m)) {
                TranslateMessage(&m);
                DispatchMessageW(&m);
            }
        }
        DestroyWindow(steps);
        form.reset();
        // The closed window asked its loop to end; the next one starts afresh.
        while (PeekMessageW(&m, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        for (const std::string& failure : run.Failures()) ADD_FAILURE() << failure;
    }
}

}  // namespace
