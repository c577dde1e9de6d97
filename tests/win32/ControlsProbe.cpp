// Reads the program's window from another process, as accessibility tools do:
// every child control's class, style and text (WM_GETTEXT), one line each in
// UTF-8. With "click TEXT" it first sends BM_CLICK to the control whose text
// is TEXT, as a screen reader's default action does.
// With "verdicts" it listens for live-region changes, as a screen reader does
// (an out-of-context WinEvent hook), while it clicks "Провери", a cell and
// "Провери", then "Чисти" and "Провери"; it prints each change's text and, after
// each click, the class of the control with the focus.
// With "box" it reads the program's message box instead (its title and text,
// "TITLE|TEXT"), then presses its button.
// Usage: trivelan_controls_probe [click TEXT | verdicts | box]
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

std::wstring TextOf(HWND control) {
    wchar_t text[512] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(control, WM_GETTEXT, std::size(text), reinterpret_cast<LPARAM>(text),
                        SMTO_ABORTIFHUNG, 5000, &copied);
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

std::vector<std::wstring> heard;

void CALLBACK OnLiveRegion(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND control, LONG /*object*/,
                           LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    heard.push_back(TextOf(control));
}

// Until COUNT changes were heard, or 10 s have gone.
void HearUntil(std::size_t count) {
    const ULONGLONG deadline = GetTickCount64() + 10000;
    while (heard.size() < count && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    }
}

void Click(const std::vector<HWND>& children, const std::wstring& text) {
    for (HWND child : children) {
        if (TextOf(child) == text) SendMessageW(child, BM_CLICK, 0, 0);
    }
}

void PrintFocus(HWND window) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
    wchar_t name[64] = {};
    if (info.hwndFocus != nullptr) GetClassNameW(info.hwndFocus, name, 64);
    Print(std::wstring(L"focus|") + name);
}

int ListenForVerdicts(HWND window, const std::vector<HWND>& children) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
    HWINEVENTHOOK hook = SetWinEventHook(kLiveRegionChanged, kLiveRegionChanged, nullptr,
                                         OnLiveRegion, process, 0, WINEVENT_OUTOFCONTEXT);
    if (hook == nullptr) {
        Print(L"no hook");
        return 1;
    }
    // Each click, whether the focus is printed after it, and how many changes
    // must have been heard by then.
    const struct {
        const wchar_t* text;
        bool focus;
        std::size_t heard;
    } clicks[] = {{L"Провери", true, 1},
                  {L"Позиция 2: 0", false, 0},
                  {L"Провери", true, 2},
                  {L"Чисти", true, 0},
                  {L"Провери", true, 3}};
    for (const auto& click : clicks) {
        Click(children, click.text);
        if (click.focus) PrintFocus(window);
        HearUntil(click.heard);
    }
    UnhookWinEvent(hook);
    for (const std::wstring& text : heard) Print(L"verdict|" + text);
    return 0;
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
    if (argc == 2 && std::wstring(argv[1]) == L"verdicts")
        return ListenForVerdicts(window, children);
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
