#pragma once

#include <windows.h>

#include <string>

#include "design/Accessibility.h"

namespace trivelan::win32 {

// Tells a screen reader what the focus does not. A focused cell's new name by
// the cell's own EVENT_OBJECT_NAMECHANGE, as readers hear the focus renamed;
// the rest (a verdict while the focus stays on the button, the digit of a cell
// the mouse pressed) by a polite live region that draws nothing, whose name
// (its window text) is the news, raising EVENT_OBJECT_LIVEREGIONCHANGED for
// each. A static text is read by its text, as an edit box is not (that is its
// label).
class ReaderNotice {
  public:
    ReaderNotice() = default;
    ~ReaderNotice();
    ReaderNotice(const ReaderNotice&) = delete;
    ReaderNotice& operator=(const ReaderNotice&) = delete;

    void Create(HWND window);
    void Announce(const design::ReaderNews& news) const;

  private:
    HWND live_ = nullptr;
    bool com_ = false;  // this object started COM on the thread
};

}  // namespace trivelan::win32
