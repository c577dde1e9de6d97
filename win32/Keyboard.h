#pragma once

#include <windows.h>

#include <optional>

#include "Gdi.h"
#include "design/Commands.h"

namespace trivelan::win32 {

// Set in a WM_KEYDOWN's lParam when the key was already down: a held key.
inline constexpr LPARAM kKeyRepeatBit = LPARAM{1} << 30;

// The classroom commands' keys as an accelerator table; each sends WM_COMMAND
// with an id that CommandOf turns back into its command.
[[nodiscard]] UniqueAccelerators CreateAccelerators();
[[nodiscard]] std::optional<design::Command> CommandOf(int id);

// The dialog keys of a plain window: Tab from a multi-line edit box moves on as
// a dialog would (WM_NEXTDLGCTL), and Enter presses the focused push button.
void MoveFocus(HWND window, WPARAM wParam, LPARAM lParam);
[[nodiscard]] LRESULT DefaultButton(HWND window);

}  // namespace trivelan::win32
