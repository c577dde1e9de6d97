// The Win32 window's notices to a screen reader.
#include "ReaderNotice.h"

#include <oleacc.h>

#include "Text.h"

namespace trivelan::win32 {
namespace {

// Declared by the SDK for Windows 8 and later only; the program runs from Windows 7.
constexpr DWORD kLiveRegionChanged = 0x8019;  // EVENT_OBJECT_LIVEREGIONCHANGED
constexpr LONG kPolite = 1;                   // LiveSetting's value
// Here rather than from libuuid, which would bring tens of kilobytes for three GUIDs.
constexpr GUID kLiveSetting{
    0xc12bcd8e, 0x2a8e, 0x4950, {0x8a, 0xe7, 0x36, 0x25, 0x11, 0x1d, 0x58, 0xeb}};
constexpr GUID kAccPropServices{
    0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
constexpr GUID kIAccPropServices{
    0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};

}  // namespace

ReaderNotice::~ReaderNotice() {
    if (com_) CoUninitialize();
}

void ReaderNotice::Create(HWND window) {
    // Shown but of no size: in the accessibility tree, never on the screen.
    live_ = CreateWindowExW(
        0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_LEFT | SS_NOPREFIX, 0, 0, 0, 0, window,
        nullptr, reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
    // The live setting Narrator and NVDA read through UI Automation. Where the
    // system has no property services (Wine answers E_NOTIMPL), the event alone remains.
    com_ = SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED));
    IAccPropServices* services = nullptr;
    if (SUCCEEDED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                   kIAccPropServices, reinterpret_cast<void**>(&services)))) {
        VARIANT polite{};
        polite.vt = VT_I4;
        polite.lVal = kPolite;
        (void)services->SetHwndProp(live_, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                    kLiveSetting, polite);
        services->Release();
    }
}

void ReaderNotice::Announce(const design::ReaderNews& news) const {
    if (news.focusRenamed) {
        // Windows raises this itself for a button's new text; Wine does not.
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, GetFocus(), OBJID_CLIENT, CHILDID_SELF);
        return;
    }
    SetWindowTextW(live_, Wide(news.text).c_str());
    NotifyWinEvent(kLiveRegionChanged, live_, OBJID_CLIENT, CHILDID_SELF);
}

}  // namespace trivelan::win32
