// The Windows program's entry point: its command line, the window and its message loop.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "design/StartRow.h"
#include "win32/FatalError.h"
#include "win32/SequenceForm.h"
#include "win32/Text.h"

namespace {

namespace design = trivelan::design;

// The C run-time has split the command line already (with Windows' own quoting
// rules), which spares loading shell32 at every start.
std::u16string Argument(std::size_t i, std::size_t limit) {
    const std::wstring_view word = std::wstring_view(__wargv[i]).substr(0, limit);
    return {word.begin(), word.end()};
}

}  // namespace

// The program has no console: what --help, --version and a refused command
// line say shows in a box captioned like the window.
int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/,
                    int nShowCmd) {
    const auto words = design::CommandLineWords(
        __wargv != nullptr ? static_cast<std::size_t>(__argc) : 0, Argument);
    const design::CommandLineAnswer answer = design::AnswerCommandLine(words, false);
    if (answer.status) {
        MessageBoxW(nullptr, trivelan::win32::Wide(answer.text).c_str(),
                    trivelan::win32::Wide(design::kCaption).c_str(),
                    MB_OK | (answer.error ? MB_ICONERROR : MB_ICONINFORMATION));
        return *answer.status;
    }
    trivelan::win32::SequenceForm form(hInstance, trivelan::win32::ReportFatal, answer.start);
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
