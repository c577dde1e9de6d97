#pragma once

#include <string>

#include "Js.h"

namespace trivelan::web {

// Tells a screen reader the new verdict while the focus stays on the button: a
// polite, atomic live region of its own that draws nothing. The report box is
// no live region: Chromium reports a changed text box as what it deleted and
// inserted, and leaves out the end that the old and the new text share, so a
// screen reader would say the verdict without its last digits.
class VerdictNotice {
  public:
    explicit VerdictNotice(const Js& form);

    void Announce(const std::u16string& text);

  private:
    Js live_;
};

}  // namespace trivelan::web
