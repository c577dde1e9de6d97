#pragma once

#include <string>

#include "Js.h"
#include "design/Accessibility.h"

namespace trivelan::web {

// Tells a screen reader what the focus does not: a verdict while the focus
// stays on the button, a cell's new digit (Orca leaves out a name change in a
// page, even the focused cell's). A polite, atomic live region of its own that
// draws nothing. The report box is
// no live region: Chromium reports a changed text box as what it deleted and
// inserted, and leaves out the end that the old and the new text share, so a
// screen reader would say the verdict without its last digits.
class ReaderNotice {
  public:
    explicit ReaderNotice(const Js& form);

    void Announce(const design::ReaderNews& news);
    // Empties the region, whose last news a reader would hear again when the
    // region comes back after a modal box.
    void Clear();

  private:
    Js live_;
    std::u16string last_;
    bool repeated_ = false;
};

}  // namespace trivelan::web
