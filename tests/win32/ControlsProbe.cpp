// Reads the program's window from another process, as accessibility tools do:
// every child control's class, style and text (WM_GETTEXT), one line each in
// UTF-8. With "click TEXT" it first sends BM_CLICK to the control whose text
// is TEXT, as a screen reader's default action does.
// Usage: trivelan_controls_probe [click TEXT]
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

}  // namespace

int wmain(int argc, wchar_t* argv[]) {
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
    if (argc == 3 && std::wstring(argv[1]) == L"click") {
        for (HWND child : children) {
            if (TextOf(child) == argv[2]) SendMessageW(child, BM_CLICK, 0, 0);
        }
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
