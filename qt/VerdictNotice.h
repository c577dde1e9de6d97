#pragma once

#include <QWidget>
#include <string>

namespace trivelan::qt {

// Tells a screen reader the new verdict while the focus stays on the button: a
// notification that draws nothing, named by what it says and shown anew each
// time, which is what Orca speaks of an object the focus is not on.
class VerdictNotice final : public QWidget {
    Q_OBJECT
  public:
    explicit VerdictNotice(QWidget* parent);

    void announce(const std::u16string& text);
};

}  // namespace trivelan::qt
