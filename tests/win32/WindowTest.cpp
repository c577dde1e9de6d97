// What only the Win32 window can get wrong, under Wine: its frame and icons, a
// monitor's DPI, and the run-time error's message box. What a user does with
// it is the scenario table's; the real-window test drives it with a real mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "design/FormDesign.h"
#include "design/Twips.h"
#include "win32/FatalError.h"
#include "win32/SequenceForm.h"
#include "win32/Text.h"

namespace {

namespace design = trivelan::design;
using trivelan::runtime::RuntimeError;

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
            GetModuleHandleW(nullptr), [](const RuntimeError&) { ADD_FAILURE(); });
        ASSERT_NE(form->Handle(), nullptr);
    }
    HWND Control(const design::ControlDesign& control) const { return form->Control(control); }

    std::unique_ptr<trivelan::win32::SequenceForm> form;
};

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
