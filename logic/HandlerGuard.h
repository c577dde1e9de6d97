#pragma once

#include <functional>
#include <utility>

#include "runtime/RuntimeError.h"

namespace trivelan::logic {

// Called once when a handler raises a run-time error.
using ErrorReporter = std::function<void(const runtime::RuntimeError&)>;

// Runs the form's event handlers as the form runtime does: a run-time error
// raised in one is reported once, and no handler runs after that, so a window
// in that state takes no more events while its fatal report is up.
class HandlerGuard {
  public:
    explicit HandlerGuard(ErrorReporter reporter) : reporter_(std::move(reporter)) {}

    template <typename Handler>
    void Run(Handler&& handler) {
        if (stopped_) return;
        try {
            std::forward<Handler>(handler)();
        } catch (const runtime::RuntimeError& error) {
            stopped_ = true;
            reporter_(error);
        }
    }

    [[nodiscard]] bool Stopped() const { return stopped_; }

  private:
    ErrorReporter reporter_;
    bool stopped_ = false;
};

}  // namespace trivelan::logic
