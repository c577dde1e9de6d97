// The Win32 window driven through its real controls with the messages Windows
// itself sends them (mouse buttons, button clicks, typed characters), under Wine.
// The real-window test drives the shown window with a real mouse and keyboard.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "design/Accessibility.h"
#include "design/FormDesign.h"
#include "design/Twips.h"
#include "win32/FatalError.h"
#include "win32/SequenceForm.h"
#include "win32/Text.h"

namespace {

namespace design = trivelan::design;
using trivelan::runtime::RuntimeError;

using trivelan::win32::Wide;
using trivelan::win32::WindowText;

LOGFONTW FontOf(HWND window) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

// What a message box showed, read while it is up.
struct ShownBox {
    std::wstring title;
    std::vector<std::wstring> texts;
};
ShownBox shownBox;

void CALLBACK ReadAndCloseMessageBox(HWND /*window*/, UINT /*message*/, UINT_PTR timer,
                                     DWORD /*time*/) {
    HWND box = FindWindowW(L"#32770", nullptr);
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    shownBox.title = WindowText(box);
    EnumChildWindows(
        box,
        [](HWND child, LPARAM) -> BOOL {
            const std::wstring kind = ClassOf(child);
            if ((_wcsicmp(kind.c_str(), L"Static") == 0 || _wcsicmp(kind.c_str(), L"Edit") == 0) &&
                GetWindowTextLengthW(child) > 0) {
                shownBox.texts.push_back(WindowText(child));
            }
            return TRUE;
        },
        0);
    // Closed with Escape, as a user would: the box's only button takes it.
    PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 1);
}

// The program's own reporter: the standard message in a box, then the message
// loop is told to end with a non-zero status.
// Windows closed by earlier tests asked their loop to end; a message box would
// take that request as its own and close at once.
void DiscardQuitRequests() {
    MSG message{};
    while (PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

class Win32WindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        form = std::make_unique<trivelan::win32::SequenceForm>(
            GetModuleHandleW(nullptr),
            [this](const RuntimeError& error) { errors.push_back(error.Number()); });
        ASSERT_NE(form->Handle(), nullptr);
    }

    HWND Control(const design::ControlDesign& control) const { return form->Control(control); }
    HWND Cell(int k) const { return Control(design::DigitCell(k)); }
    HWND Report() const { return Control(design::kReport); }

    void ClickCell(int k) const {
        SendMessageW(Cell(k), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        SendMessageW(Cell(k), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }
    void ClickButton(const design::ControlDesign& button) const {
        SendMessageW(Control(button), BM_CLICK, 0, 0);
    }
    // A key as the message loop hands it over: the window's shortcuts and the
    // dialog keys first. Ctrl and Shift are set in the thread's key state,
    // where the shortcut table looks for them.
    void Press(WPARAM key, bool control = false, bool shift = false, bool repeated = false) const {
        BYTE state[256] = {};
        GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        state[VK_SHIFT] = shift ? 0x80 : 0;
        SetKeyboardState(state);
        HWND target = GetFocus() != nullptr ? GetFocus() : form->Handle();
        MSG message{target, WM_KEYDOWN, key, repeated ? 1 | (1 << 30) : 1, 0, {}};
        if (!form->TranslateKeyboard(message)) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
        state[VK_CONTROL] = state[VK_SHIFT] = 0;
        SetKeyboardState(state);
    }
    RECT Place(HWND control) const {
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        return r;
    }
    std::wstring Row() const {
        std::wstring row;
        for (std::int16_t k = 0; k < 15; ++k) row += Wide(form->Caption(k));
        return row;
    }
    std::vector<int> UnderlinedCells() const {
        std::vector<int> cells;
        for (int k = 0; k < 15; ++k) {
            if (FontOf(Cell(k)).lfUnderline) cells.push_back(k);
        }
        return cells;
    }
    void EnterRow(const std::wstring& row) const {
        for (int k = 0; k < 15; ++k) {
            for (int n = 0; n < row[static_cast<std::size_t>(k)] - L'0'; ++n) ClickCell(k);
        }
    }

    std::unique_ptr<trivelan::win32::SequenceForm> form;
    std::vector<int> errors;
};

TEST_F(Win32WindowTest, EveryControlMatchesTheDesignTable) {
    for (const auto& c : design::AllControls()) {
        SCOPED_TRACE(std::string(c.name) + "(" + std::to_string(c.index) + ")");
        HWND w = Control(c);
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(GetParent(w), form->Handle());
        RECT r{};
        GetWindowRect(w, &r);
        MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
        const int left = design::WindowLeft(c) / 15;
        const int top = design::WindowTop(c) / 15;
        EXPECT_EQ(r.left, left);
        EXPECT_EQ(r.top, top);
        EXPECT_EQ(r.right - r.left, c.width / 15);
        EXPECT_EQ(r.bottom - r.top, c.height / 15);
        // The window stays unshown here (hiding one costs Wine 2 s without a window
        // manager), so this reads the control's own visibility.
        EXPECT_EQ((GetWindowLongW(w, GWL_STYLE) & WS_VISIBLE) != 0, c.visible);
        // CR LF kept in the text boxes; a cell's text is its name for screen readers.
        EXPECT_EQ(WindowText(w), Wide(design::IsDigitCell(c) ? design::AccessibleName(c)
                                                             : std::u16string(c.text)));
        const LOGFONTW font = FontOf(w);
        EXPECT_EQ(font.lfHeight, -c.fontPoints * 96 / 72);
        EXPECT_EQ(font.lfWeight, FW_NORMAL);
        EXPECT_EQ(font.lfCharSet, RUSSIAN_CHARSET);
        EXPECT_FALSE(font.lfUnderline);
        const wchar_t* expectedClass = design::IsDigitCell(c)            ? L"Button"
                                       : c.kind == design::Kind::Label   ? L"Static"
                                       : c.kind == design::Kind::TextBox ? L"Edit"
                                                                         : L"Button";
        EXPECT_EQ(_wcsicmp(ClassOf(w).c_str(), expectedClass), 0);
    }
}

TEST_F(Win32WindowTest, WindowHasItsDesignSizeCaptionAndIcons) {
    RECT client{};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 481);
    EXPECT_EQ(client.bottom, 363);
    EXPECT_EQ(WindowText(form->Handle()), L"www.example.com  Тривелан");
    const LONG style = GetWindowLongW(form->Handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0);  // fixed size
    EXPECT_NE(GetClassLongPtrW(form->Handle(), GCLP_HICON), 0U);
    EXPECT_NE(GetClassLongPtrW(form->Handle(), GCLP_HICONSM), 0U);
}

// Moved to a monitor of another DPI, the window lays the design out anew:
// every place, size and font scaled, the client area too.
TEST_F(Win32WindowTest, AMonitorsDpiScalesTheWholeDesign) {
    for (const UINT dpi : {144U, 192U, 96U}) {
        RECT suggested{0, 0, 800, 600};
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                     reinterpret_cast<LPARAM>(&suggested));
        const design::Scale scale{dpi / 96.0};
        RECT client{};
        GetClientRect(form->Handle(), &client);
        EXPECT_EQ(client.right, scale.Pixels(design::kClientWidth)) << dpi;
        EXPECT_EQ(client.bottom, scale.Pixels(design::kClientHeight)) << dpi;
        for (const design::ControlDesign& c :
             {design::kFrame1, design::kReport, design::DigitCell(14)}) {
            RECT r{};
            GetWindowRect(Control(c), &r);
            MapWindowPoints(HWND_DESKTOP, form->Handle(), reinterpret_cast<POINT*>(&r), 2);
            const design::PixelRect expected = design::ToPixels(
                scale, design::WindowLeft(c), design::WindowTop(c), c.width, c.height);
            EXPECT_EQ(design::PixelRect({r.left, r.top, r.right - r.left, r.bottom - r.top}),
                      expected)
                << dpi << " " << c.name;
            EXPECT_EQ(FontOf(Control(c)).lfHeight, -scale.Pixels(c.fontPoints * 20)) << dpi;
        }
    }
}

// F11 fills the monitor with the design at the largest size that fits, centred;
// Escape or F11 again brings back the window with its zoom.
TEST_F(Win32WindowTest, FullScreenFitsTheMonitorAndLeavingRestoresTheZoom) {
    form->Apply(design::Command::ZoomIn);
    form->Apply(design::Command::ZoomIn);
    RECT before{};
    GetWindowRect(form->Handle(), &before);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(form->Handle(), MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT screen = monitor.rcMonitor;
    const design::ScreenFit fit =
        design::FitToScreen(screen.right - screen.left, screen.bottom - screen.top);
    for (const WPARAM leave : {static_cast<WPARAM>(VK_F11), static_cast<WPARAM>(VK_ESCAPE)}) {
        Press(VK_F11);
        ASSERT_TRUE(form->IsFullScreen());
        RECT window{};
        GetWindowRect(form->Handle(), &window);
        EXPECT_TRUE(EqualRect(&window, &screen));
        for (const auto& c : {design::kFrame1, design::kReport, design::DigitCell(14)}) {
            const RECT r = Place(Control(c));
            const design::PixelRect p = design::ToPixels(fit.scale, design::WindowLeft(c),
                                                         design::WindowTop(c), c.width, c.height);
            EXPECT_EQ(design::PixelRect({r.left, r.top, r.right - r.left, r.bottom - r.top}),
                      design::PixelRect({fit.left + p.left, fit.top + p.top, p.width, p.height}))
                << c.name;
        }
        Press(leave);
        EXPECT_FALSE(form->IsFullScreen());
        EXPECT_EQ(form->Zoom(), 150);
        RECT after{};
        GetWindowRect(form->Handle(), &after);
        EXPECT_TRUE(EqualRect(&before, &after));
    }
}

}  // namespace

namespace {

TEST(Win32FatalError, ShowsTheStandardMessageAndEndsTheLoopWithStatusOne) {
    DiscardQuitRequests();
    shownBox = {};
    SetTimer(nullptr, 0, 20, ReadAndCloseMessageBox);
    trivelan::win32::ReportFatalAndQuit(RuntimeError(trivelan::runtime::ErrorNumber::Overflow));
    EXPECT_EQ(shownBox.title, L"Тривелан");
    EXPECT_EQ(shownBox.texts, std::vector<std::wstring>{L"Run-time error '6':\n\nOverflow"});
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 1U);
}

}  // namespace
