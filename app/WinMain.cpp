// The Windows program's entry point: the window and its message loop.
#include <windows.h>

#include "win32/FatalError.h"
#include "win32/SequenceForm.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR /*lpCmdLine*/,
                    int nShowCmd) {
    trivelan::win32::SequenceForm form(hInstance, trivelan::win32::ReportFatalAndQuit);
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
