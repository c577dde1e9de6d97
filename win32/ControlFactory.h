#pragma once

#include <windows.h>

#include <array>
#include <cstddef>

#include "design/FormDesign.h"

namespace trivelan::win32 {

using ControlHandles = std::array<HWND, design::AllControls().size()>;  // in design table order

// A control's id is its place in the design table after this first id, clear
// of IDOK and IDCANCEL, which the dialog keys send to the window.
inline constexpr int kFirstControlId = 100;

[[nodiscard]] constexpr int IdOf(std::size_t position) {
    return kFirstControlId + static_cast<int>(position);
}

// The design row behind a control id, or nullptr for an id of no control.
[[nodiscard]] const design::ControlDesign* DesignOf(int id);

// The form's window: fixed in size, no sizing border, no maximise box.
inline constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// Creates the form's window, hidden, captioned and with the program's icon, its
// messages to procedure, with creation as its creation parameter.
void CreateFormWindow(HINSTANCE instance, WNDPROC procedure, void* creation);

// Creates every control of the design table in the window, in tab-index order
// (the dialog keys walk the controls in the order they were made), with its
// text, class and style; the layout places them.
[[nodiscard]] ControlHandles CreateControls(HWND window);

}  // namespace trivelan::win32
