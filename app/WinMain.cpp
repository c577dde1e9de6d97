// The Windows program's entry point: its command line, the window and its message loop.
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <string>
#include <vector>

#include "design/StartRow.h"
#include "win32/FatalError.h"
#include "win32/SequenceForm.h"
#include "win32/Text.h"

namespace {

namespace design = trivelan::design;

// The command line's words after the program's name, no more and no longer
// than the reading needs to refuse them.
std::vector<std::u16string> Arguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::u16string> arguments;
    for (int i = 1;
         words != nullptr && i < count && static_cast<std::size_t>(i) <= design::kMostArguments + 1;
         ++i) {
        const std::wstring_view word(words[i]);
        const std::wstring_view kept = word.substr(0, design::kLongestInput + 1);
        arguments.emplace_back(kept.begin(), kept.end());
    }
    LocalFree(static_cast<HLOCAL>(words));
    return arguments;
}

}  // namespace

// The program has no console: what --help, --version and a refused command
// line say shows in a box captioned like the window.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/,
                    int nShowCmd) {
    const design::CommandLine line = design::ReadCommandLine(Arguments());
    if (line.action != design::CommandLine::Action::Run) {
        const bool refused = line.action == design::CommandLine::Action::Refuse;
        const std::u16string text =
            refused ? line.message + u"\n\n" + std::u16string(design::kHelpHint) : line.message;
        MessageBoxW(nullptr, trivelan::win32::Wide(text).c_str(),
                    trivelan::win32::Wide(design::kCaption).c_str(),
                    MB_OK | (refused ? MB_ICONERROR : MB_ICONINFORMATION));
        return refused ? 2 : 0;
    }
    trivelan::win32::SequenceForm form(hInstance, trivelan::win32::ReportFatalAndQuit, line.start);
    if (form.Handle() == nullptr) return 1;
    ShowWindow(form.Handle(), nShowCmd);
    UpdateWindow(form.Handle());

    MSG message{};
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (form.TranslateKeyboard(message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
