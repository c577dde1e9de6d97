// The Win32 window's help box: a dialog made in memory, laid out from the design.
#include "HelpBox.h"

#include "Fonts.h"
#include "Text.h"
#include "design/Help.h"

namespace trivelan::win32 {
namespace {

constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
constexpr int kTextId = 100;

struct HelpRequest {
    const design::HelpBox& help;
    design::Screen screen;
    UniqueFont font;
};

// A dialog template with no controls: the box makes its own at their design size.
struct alignas(DWORD) EmptyDialog {
    DLGTEMPLATE dialog{kStyle, 0, 0, 0, 0, 0, 0};
    WORD menu = 0;
    WORD windowClass = 0;
    WORD title = 0;
};

HWND CreateChild(HWND box, const wchar_t* windowClass, std::u16string_view text, DWORD style,
                 DWORD extendedStyle, int id, const design::PixelRect& r, HFONT font) {
    HWND child = CreateWindowExW(extendedStyle, windowClass, Wide(text).c_str(),
                                 WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, r.left, r.top, r.width,
                                 r.height, box, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                 nullptr, nullptr);
    SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return child;
}

void OnInitDialog(HWND box, HelpRequest& request) {
    const design::HelpPlacement place = design::PlaceHelp(request.help.scale, request.screen);
    SetWindowTextW(box, Wide(request.help.title).c_str());
    HFONT font = request.font.get();
    HWND text = CreateChild(box, L"EDIT", request.help.text,
                            ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL | WS_VSCROLL,
                            WS_EX_CLIENTEDGE, kTextId, place.text, font);
    CreateChild(box, L"BUTTON", design::kDialogOk, BS_DEFPUSHBUTTON, 0, IDOK, place.button, font);
    SetWindowPos(box, nullptr, place.position.x, place.position.y,
                 place.client.width + request.screen.frame.width,
                 place.client.height + request.screen.frame.height, SWP_NOZORDER);
    SetFocus(text);
    const auto caret = static_cast<WPARAM>(design::HelpCaret(false));
    SendMessageW(text, EM_SETSEL, caret, static_cast<LPARAM>(caret));
}

INT_PTR CALLBACK HelpProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            OnInitDialog(box, *reinterpret_cast<HelpRequest*>(lParam));
            return FALSE;  // the focus is set
        case WM_ACTIVATE:
            // Activated with the focus outside its controls, the system would
            // leave it on the box itself (Wine, when X gives the box the focus):
            // back into the text, where the box opened.
            if (LOWORD(wParam) != WA_INACTIVE && !IsChild(box, GetFocus())) {
                SetFocus(GetDlgItem(box, kTextId));
            }
            return FALSE;  // the dialog's own handling follows
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(box, IDOK);
            return TRUE;
        default:
            return FALSE;
    }
}

}  // namespace

void ShowHelp(HWND window, const design::HelpBox& help, const design::Screen& screen) {
    HelpRequest request{help, screen, DesignFont(help.scale.Points(design::kWindowFontPoints))};
    RECT frame{};
    AdjustWindowRectEx(&frame, kStyle, FALSE, WS_EX_DLGMODALFRAME);
    request.screen.frame = {frame.right - frame.left, frame.bottom - frame.top};
    const EmptyDialog empty;
    DialogBoxIndirectParamW(reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)),
                            &empty.dialog, window, HelpProc, reinterpret_cast<LPARAM>(&request));
}

}  // namespace trivelan::win32
