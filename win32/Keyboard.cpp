// The Win32 window's keyboard: accelerators and dialog keys.
#include "Keyboard.h"

#include <array>
#include <utility>

#include "ControlFactory.h"

namespace trivelan::win32 {
namespace {

// Clear of the controls' ids.
constexpr WORD kFirstCommandId = 200;

struct VirtualKey {
    WORD code;
    BYTE flags;
};

// Windows' key for each of the design's.
VirtualKey VirtualKeyOf(design::Key key) {
    using design::Key;
    const std::pair<Key, VirtualKey> keys[] = {
        {Key::Plus, {VK_OEM_PLUS, FSHIFT}},  // Ctrl+Plus is Ctrl+Shift+= on the main keyboard
        {Key::Equal, {VK_OEM_PLUS, 0}},
        {Key::KeypadPlus, {VK_ADD, 0}},
        {Key::Minus, {VK_OEM_MINUS, 0}},
        {Key::KeypadMinus, {VK_SUBTRACT, 0}},
        {Key::Zero, {'0', 0}},
        {Key::KeypadZero, {VK_NUMPAD0, 0}},
        {Key::F11, {VK_F11, 0}},
        {Key::Escape, {VK_ESCAPE, 0}},
        {Key::F1, {VK_F1, 0}},
        {Key::A, {'A', 0}}};
    for (const auto& [design, windows] : keys) {
        if (design == key) return windows;
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
