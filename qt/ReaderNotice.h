#pragma once

#include <QWidget>
#include <string>

#include "design/Accessibility.h"

namespace trivelan::qt {

// Tells a screen reader what the focus does not: a verdict while the focus
// stays on the button, a cell's new digit. A notification that draws nothing,
// named by what it says and shown anew each time, which is what Orca speaks of
// an object the focus is not on. Qt 6.4's name-change event carries no name,
// so that Orca cannot say even the focused cell's new name from it: every news
// of this window is such a notice.
class ReaderNotice final : public QWidget {
    Q_OBJECT
  public:
    explicit ReaderNotice(QWidget* parent);

    void Announce(const design::ReaderNews& news);
};

}  // namespace trivelan::qt
