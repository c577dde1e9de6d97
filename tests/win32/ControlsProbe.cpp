// Reads the program's window from another process, as accessibility tools do:
// every child control's class, style and text (WM_GETTEXT), one line each in
// UTF-8. With "click TEXT" it first sends BM_CLICK to the control whose text
// is TEXT, as a screen reader's default action does.
// With "listen" it prints, until it is ended, a line for each event a screen
// reader speaks from, with what the reader reads then.
// With "box" it reads the program's message box instead (its title and text,
// "TITLE|TEXT"), then presses its button and waits until the box has gone.
// Usage: trivelan_controls_probe [click TEXT | listen | box]
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring TextOf(HWND control) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(control, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                        SMTO_ABORTIFHUNG, 5000, &copied);
    text.resize(std::min<std::size_t>(copied, length));
    return text;
}

void Print(const std::wstring& line) {
    const int size = WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()),
                                         nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(size), '\0');
    WideCharToMultiByte(CP_UTF8, 0, line.c_str(), static_cast<int>(line.size()), bytes.data(), size,
                        nullptr, nullptr);
    bytes += '\n';
    DWORD written = 0;
    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), bytes.data(), static_cast<DWORD>(bytes.size()),
              &written, nullptr);
}

std::vector<HWND> ChildrenOf(HWND window) {
    std::vector<HWND> children;
    EnumChildWindows(
        window,
        [](HWND child, LPARAM list) -> BOOL {
            reinterpret_cast<std::vector<HWND>*>(list)->push_back(child);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&children));
    return children;
}

void Click(const std::vector<HWND>& children, const std::wstring& text) {
    for (HWND child : children) {
        if (TextOf(child) == text) SendMessageW(child, BM_CLICK, 0, 0);
    }
}

// What a reader reads of an edit box that has the caret: the line it stands on.
std::wstring CaretLine(HWND edit) {
    const auto ask = [edit](UINT message, WPARAM wParam) {
        DWORD_PTR answer = 0;
        SendMessageTimeoutW(edit, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &answer);
        return answer;
    };
    const DWORD_PTR line = ask(EM_LINEFROMCHAR, LOWORD(ask(EM_GETSEL, 0)));
    const DWORD_PTR start = ask(EM_LINEINDEX, line);
    const std::wstring text = TextOf(edit);
    return start < text.size() ? text.substr(start, ask(EM_LINELENGTH, start)) : std::wstring();
}

bool IsEdit(HWND window) {
    if (window == nullptr) return false;
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return _wcsicmp(name, L"Edit") == 0;
}

HWND lastRoot = nullptr;

// One line for each event a screen reader speaks from: "focus|", "name|" and
// "live|" with what it reads of the control, and "window|" with a window's
// title when the focus comes into another window.
void CALLBACK OnEvent(HWINEVENTHOOK /*hook*/, DWORD event, HWND control, LONG object,
                      LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
    if (control == nullptr) return;
    if (event == EVENT_OBJECT_FOCUS) {
        HWND root = GetAncestor(control, GA_ROOT);
        if (root != lastRoot) Print(L"window|" + TextOf(root));
        lastRoot = root;
        Print(L"focus|" + (IsEdit(control) ? CaretLine(control) : TextOf(control)));
    } else if (event == EVENT_OBJECT_NAMECHANGE && object == OBJID_CLIENT) {
        Print(L"name|" + TextOf(control));
    } else if (event == kLiveRegionChanged) {
        Print(L"live|" + TextOf(control));
    }
}

// Listens as a screen reader does (an out-of-context WinEvent hook on the
// program's process) until it is ended; and, as a reader reads on after each
// key in a text box, a "caret|" line with the line the caret moves to.
int Listen(HWND window) {
    DWORD process = 0;
    const DWORD thread = GetWindowThreadProcessId(window, &process);
    if (SetWinEventHook(EVENT_OBJECT_FOCUS, 0x8019, nullptr, OnEvent, process, 0,
                        WINEVENT_OUTOFCONTEXT) == nullptr) {
        Print(L"no hook");
        return 1;
    }
    Print(L"listening");
    HWND edit = nullptr;
    std::wstring line;
    for (;;) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        if (GetGUIThreadInfo(thread, &info) == FALSE || !IsEdit(info.hwndFocus)) continue;
        const std::wstring now = CaretLine(info.hwndFocus);
        if (info.hwndFocus == edit && now != line) Print(L"caret|" + now);
        edit = info.hwndFocus;
        line = now;
    }
}

}  // namespace

// The box once it has its text: a box that merely exists may still be making it.
int ReadMessageBox() {
    for (int tries = 0; tries < 300; ++tries, Sleep(100)) {
        HWND box = FindWindowW(L"#32770", nullptr);
        HWND text = box != nullptr ? FindWindowExW(box, nullptr, L"Static", nullptr) : nullptr;
        while (text != nullptr && GetWindowTextLengthW(text) == 0) {  // the icon's
            text = FindWindowExW(box, text, L"Static", nullptr);
        }
        if (text == nullptr) continue;
        Print(TextOf(box) + L"|" + TextOf(text));
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        // Gone before the probe is: the next box asked for is the next program's.
        for (int wait = 0; wait < 100 && IsWindow(box) != FALSE; ++wait) Sleep(100);
        return 0;
    }
    Print(L"no box");
    return 1;
}

int wmain(int argc, wchar_t* argv[]) {
    if (argc == 2 && std::wstring(argv[1]) == L"box") return ReadMessageBox();
    HWND window = nullptr;
    // The window is shown only once all its controls are made and loaded: a
    // window that merely exists may still be making its cells.
    for (int tries = 0; tries < 300 && window == nullptr; ++tries) {
        window = FindWindowW(L"TrivelanSequenceForm", nullptr);
        if (window != nullptr && IsWindowVisible(window) == FALSE) window = nullptr;
        if (window == nullptr) Sleep(100);
    }
    if (window == nullptr) {
        Print(L"no window");
        return 1;
    }
    const std::vector<HWND> children = ChildrenOf(window);
    if (argc == 2 && std::wstring(argv[1]) == L"listen") return Listen(window);
    if (argc == 3 && std::wstring(argv[1]) == L"click") {
        Click(children, argv[2]);
    }
    for (HWND child : children) {
        wchar_t name[64] = {};
        GetClassNameW(child, name, static_cast<int>(std::size(name)));
        wchar_t style[16] = {};
        swprintf(style, std::size(style), L"%08lx",
                 static_cast<unsigned long>(GetWindowLongW(child, GWL_STYLE)));
        Print(std::wstring(name) + L"|" + style + L"|" + TextOf(child));
    }
    return 0;
}
