#pragma once

#include <emscripten/val.h>

#include <string>

namespace trivelan::web {

// Tells a screen reader the new verdict while the focus stays on the button: a
// polite, atomic live region of its own that draws nothing. The report box is
// no live region: Chromium reports a changed text box as what it deleted and
// inserted, and leaves out the end that the old and the new text share, so a
// screen reader would say the verdict without its last digits.
class VerdictNotice {
  public:
    explicit VerdictNotice(const emscripten::val& form);

    void Announce(const std::u16string& text);

  private:
    emscripten::val live_;
};

}  // namespace trivelan::web
