// The Win32 window's keyboard: accelerators and dialog keys.
#include "Keyboard.h"

#include <array>

#include "ControlFactory.h"

namespace trivelan::win32 {
namespace {

// Clear of the controls' ids.
constexpr WORD kFirstCommandId = 200;

struct VirtualKey {
    WORD code;
    BYTE flags;
};

VirtualKey VirtualKeyOf(design::Key key) {
    using design::Key;
    switch (key) {
        case Key::Plus:  // Ctrl+Plus is Ctrl+Shift+= on the main keyboard
            return {VK_OEM_PLUS, FSHIFT};
        case Key::Equal:
            return {VK_OEM_PLUS, 0};
        case Key::KeypadPlus:
            return {VK_ADD, 0};
        case Key::Minus:
            return {VK_OEM_MINUS, 0};
        case Key::KeypadMinus:
            return {VK_SUBTRACT, 0};
        case Key::Zero:
            return {'0', 0};
        case Key::KeypadZero:
            return {VK_NUMPAD0, 0};
        case Key::F11:
            return {VK_F11, 0};
        case Key::Escape:
            return {VK_ESCAPE, 0};
        case Key::F1:
            return {VK_F1, 0};
        case Key::A:
            return {'A', 0};
    }
    return {0, 0};
}

}  // namespace

UniqueAccelerators CreateAccelerators() {
    std::array<ACCEL, design::kKeyBindings.size()> keys{};
    for (std::size_t i = 0; i < keys.size(); ++i) {
        const design::KeyBinding& binding = design::kKeyBindings.at(i);
        const VirtualKey key = VirtualKeyOf(binding.key);
        keys.at(i) = {static_cast<BYTE>(FVIRTKEY | key.flags | (binding.control ? FCONTROL : 0)),
                      key.code,
                      static_cast<WORD>(kFirstCommandId + static_cast<WORD>(binding.command))};
    }
    return UniqueAccelerators(CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

std::optional<design::Command> CommandOf(int id) {
    for (const design::KeyBinding& binding : design::kKeyBindings) {
        if (id == kFirstCommandId + static_cast<int>(binding.command)) return binding.command;
    }
    return std::nullopt;
}

void MoveFocus(HWND window, WPARAM wParam, LPARAM lParam) {
    HWND next = lParam != 0 ? reinterpret_cast<HWND>(wParam)
                            : GetNextDlgTabItem(window, GetFocus(), wParam != 0 ? TRUE : FALSE);
    if (next != nullptr) SetFocus(next);
}

LRESULT DefaultButton(HWND window) {
    HWND focus = GetFocus();
    if (focus == nullptr || GetParent(focus) != window) return 0;
    const design::ControlDesign* design = DesignOf(GetDlgCtrlID(focus));
    if (design == nullptr || design->kind != design::ControlKind::PushButton) return 0;
    return MAKELRESULT(GetDlgCtrlID(focus), DC_HASDEFID);
}

}  // namespace trivelan::win32
