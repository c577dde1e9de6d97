// The Windows program's entry point: its command line, the window and its message loop.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "design/StartRow.h"
#include "win32/FatalError.h"
#include "win32/SequenceForm.h"
#include "win32/Text.h"

namespace {

namespace design = trivelan::design;

// The command line's words after the program's name, no more and no longer
// than the reading needs to refuse them. The C run-time has split them already
// (with Windows' own quoting rules), which spares loading shell32 at every start.
std::vector<std::u16string> Arguments() {
    std::vector<std::u16string> arguments;
    for (int i = 1; __wargv != nullptr && i < __argc &&
                    static_cast<std::size_t>(i) <= design::kMostArguments + 1;
         ++i) {
        const std::wstring_view word(__wargv[i]);
        const std::wstring_view kept = word.substr(0, design::kLongestInput + 1);
        arguments.emplace_back(kept.begin(), kept.end());
    }
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
