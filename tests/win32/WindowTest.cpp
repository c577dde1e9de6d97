// What only the Win32 window can get wrong, under Wine: its frame and icons, a
// monitor's DPI, and the run-time error's message box. What a user does with
// it is the scenario table's; the real-window test drives it with a real mouse.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
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

// While a high-contrast theme is on (the test's own setting: Wine keeps the
// system's off), the window paints in the system's colours, here a dark
// scheme's: every face black, every text white, the digits too; back to the
// design's faces and black text when it goes off.
TEST_F(Win32WindowTest, AHighContrastThemeTakesTheSystemsColoursForEveryText) {
    const int parts[] = {COLOR_WINDOW, COLOR_WINDOWTEXT, COLOR_BTNFACE, COLOR_BTNTEXT};
    const COLORREF dark[] = {RGB(0, 0, 0), RGB(255, 255, 255), RGB(0, 0, 0), RGB(255, 255, 255)};
    COLORREF saved[4] = {};
    for (int i = 0; i < 4; ++i) saved[i] = GetSysColor(parts[i]);
    SetSysColors(4, parts, dark);
    const HDC dc = CreateCompatibleDC(nullptr);
    BITMAPINFO image{{sizeof(BITMAPINFOHEADER), 40, -60, 1, 32, BI_RGB, 0, 0, 0, 0, 0}, {}};
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(dc, &image, DIB_RGB_COLORS, &bits, nullptr, 0);
    SelectObject(dc, bitmap);
    const auto pixels = static_cast<const std::uint32_t*>(bits);
    const auto at = [pixels](int x, int y) {  // the bitmap holds BGR
        const std::uint32_t p = pixels[y * 40 + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    };
    for (const bool on : {true, false}) {
        form->SetHighContrastSetting([on] { return on; });
        for (const design::ControlDesign& c :
             {design::kLabel1, design::kFrame1, design::kCheck, design::DigitCell(0)}) {
            const design::Rgb own = *c.background;
            const COLORREF face = on ? RGB(0, 0, 0) : RGB(own.red, own.green, own.blue);
            const COLORREF text = on ? RGB(255, 255, 255) : RGB(0, 0, 0);
            if (c.kind != design::ControlKind::PushButton && !design::IsDigitCell(c)) {
                SendMessageW(form->Handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                             reinterpret_cast<LPARAM>(Control(c)));
                EXPECT_EQ(GetBkColor(dc), face) << c.name << on;
                EXPECT_EQ(GetTextColor(dc), text) << c.name << on;
                continue;
            }
            DRAWITEMSTRUCT item{};
            item.CtlType = ODT_BUTTON;
            item.CtlID = static_cast<UINT>(GetDlgCtrlID(Control(c)));
            item.itemAction = ODA_DRAWENTIRE;
            item.hwndItem = Control(c);
            item.hDC = dc;
            item.rcItem = {0, 0, 40, 60};
            SendMessageW(form->Handle(), WM_DRAWITEM, item.CtlID, reinterpret_cast<LPARAM>(&item));
            int inText = 0;
            for (int y = 4; y < 56; ++y) {
                for (int x = 4; x < 36; ++x) inText += at(x, y) == text ? 1 : 0;
            }
            EXPECT_EQ(at(5, 55), face) << c.name << on;
            EXPECT_GT(inText, 10) << c.name << on;
        }
    }
    DeleteDC(dc);
    DeleteObject(bitmap);
    SetSysColors(4, parts, saved);
}

}  // namespace

namespace {

TEST(Win32FatalError, ShowsTheStandardMessageAndEndsTheLoopWithStatusOne) {
    DiscardQuitRequests();
    shownBox = {};
    SetTimer(nullptr, 0, 20, ReadAndCloseMessageBox);
    trivelan::win32::ReportFatal(RuntimeError(trivelan::runtime::ErrorNumber::Overflow));
    EXPECT_EQ(shownBox.title, L"Тривелан");
    EXPECT_EQ(shownBox.texts, std::vector<std::wstring>{L"Run-time error '6':\n\nOverflow"});
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 1U);
}

}  // namespace
