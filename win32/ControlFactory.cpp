// Builds the Win32 window's controls from the design table.
#include "ControlFactory.h"

#include "Text.h"
#include "design/Accessibility.h"

namespace trivelan::win32 {
namespace {

using design::ControlDesign;
using design::ControlKind;

constexpr auto kControls = design::AllControls();

struct ControlClass {
    const wchar_t* name;
    DWORD style;
    DWORD extendedStyle;
};

ControlClass ClassOf(const ControlDesign& control) {
    switch (control.kind) {
        case ControlKind::Label:
            // A digit cell is a push button to accessibility tools, named by its
            // position and digit, drawn by the window as the label it is.
            if (design::IsDigitCell(control)) return {L"BUTTON", BS_OWNERDRAW, 0};
            return {L"STATIC", static_cast<DWORD>(control.centred ? SS_CENTER : SS_LEFT), 0};
        case ControlKind::Frame:
            return {L"BUTTON", BS_GROUPBOX, 0};
        case ControlKind::PushButton:
            // Drawn by the window: a standard push button cannot take a face colour.
            return {L"BUTTON", BS_OWNERDRAW, 0};
        case ControlKind::TextBox:
            return {L"EDIT", ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL,
                    WS_EX_CLIENTEDGE};
    }
    return {L"STATIC", 0, 0};
}

constexpr wchar_t kClassName[] = L"TrivelanSequenceForm";

void RegisterWindowClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    if (GetClassInfoExW(instance, kClassName, &windowClass)) return;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    // Shared icons: the system keeps them for the life of the process.
    windowClass.hIcon = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                      GetSystemMetrics(SM_CXICON),
                                                      GetSystemMetrics(SM_CYICON), LR_SHARED));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, L"IDI_ICON1", IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    RegisterClassExW(&windowClass);
}

}  // namespace

void CreateFormWindow(HINSTANCE instance, WNDPROC procedure, void* creation) {
    RegisterWindowClass(instance, procedure);
    CreateWindowExW(0, kClassName, Wide(design::kCaption).c_str(), kWindowStyle, CW_USEDEFAULT,
                    CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, instance,
                    creation);
}

const ControlDesign* DesignOf(int id) {
    const int position = id - kFirstControlId;
    if (position < 0 || position >= static_cast<int>(kControls.size())) return nullptr;
    return &kControls.at(static_cast<std::size_t>(position));
}

ControlHandles CreateControls(HWND window) {
    const auto instance = reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE));
    ControlHandles handles{};
    for (const std::size_t position : design::kTabOrder) {
        const ControlDesign& control = kControls.at(position);
        const ControlClass type = ClassOf(control);
        const DWORD visible = control.visible ? WS_VISIBLE : 0;
        // The row's stop is its marked cell, which the row keeps.
        const DWORD tabStop = design::HasOwnTabStop(control, 0) ? WS_TABSTOP : 0;
        const std::u16string text = design::IsDigitCell(control) ? design::AccessibleName(control)
                                                                 : std::u16string(control.text);
        HWND created = CreateWindowExW(
            type.extendedStyle, type.name, Wide(text).c_str(),
            WS_CHILD | visible | tabStop | type.style, 0, 0, 0, 0, window,
            reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(position))), instance, nullptr);
        if (control.kind == ControlKind::TextBox)
            SendMessageW(created, EM_SETLIMITTEXT, 0, 0);  // no limit
        handles.at(position) = created;
    }
    return handles;
}

}  // namespace trivelan::win32
