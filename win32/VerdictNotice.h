#pragma once

#include <windows.h>

#include <string>

namespace trivelan::win32 {

// Tells a screen reader the new verdict while the focus stays on the button: a
// polite live region that draws nothing, whose name (its window text) is the
// verdict, raising EVENT_OBJECT_LIVEREGIONCHANGED for each new one. A static
// text is read by its text, as an edit box is not (that is its label).
class VerdictNotice {
  public:
    VerdictNotice() = default;
    ~VerdictNotice();
    VerdictNotice(const VerdictNotice&) = delete;
    VerdictNotice& operator=(const VerdictNotice&) = delete;

    void Create(HWND window);
    void Announce(const std::u16string& text) const;

  private:
    HWND live_ = nullptr;
    bool com_ = false;  // this object started COM on the thread
};

}  // namespace trivelan::win32
