// The Qt window's keyboard: the classroom commands as shortcuts.
#include "Keyboard.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>
#include <algorithm>
#include <utility>
#include <vector>

namespace trivelan::qt {
namespace {

QKeyCombination QtKeyOf(design::Key key) {
    using design::Key;
    switch (key) {
        case Key::Plus:
            return Qt::Key_Plus;
        case Key::Equal:
            return Qt::Key_Equal;
        case Key::KeypadPlus:
            return Qt::KeypadModifier | Qt::Key_Plus;
        case Key::Minus:
            return Qt::Key_Minus;
        case Key::KeypadMinus:
            return Qt::KeypadModifier | Qt::Key_Minus;
        case Key::Zero:
            return Qt::Key_0;
        case Key::KeypadZero:
            return Qt::KeypadModifier | Qt::Key_0;
        case Key::F11:
            return Qt::Key_F11;
        case Key::Escape:
            return Qt::Key_Escape;
        case Key::F1:
            return Qt::Key_F1;
        case Key::A:
            return Qt::Key_A;
    }
    return Qt::Key_unknown;
}

// Lets a command's key past a text box that would keep it (Ctrl+A in the
// report): the box does not claim the key, so the window's shortcut runs.
class CommandKeys final : public QObject {
  public:
    CommandKeys(QObject* parent, std::vector<QKeyCombination> keys)
        : QObject(parent), keys_(std::move(keys)) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::ShortcutOverride) {
            const QKeyCombination key = static_cast<QKeyEvent*>(event)->keyCombination();
            if (std::find(keys_.begin(), keys_.end(), key) != keys_.end()) return true;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    std::vector<QKeyCombination> keys_;
};

}  // namespace

void BindCommands(QWidget* window, design::Presenter& presenter) {
    std::vector<QKeyCombination> keys;
    for (const design::KeyBinding& binding : design::kKeyBindings) {
        if (!presenter.CommandFor(binding.key, binding.control)) continue;
        QKeyCombination key = QtKeyOf(binding.key);
        if (binding.control) key = key.keyboardModifiers() | Qt::ControlModifier | key.key();
        keys.push_back(key);
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [&presenter, chosen = binding.command] { presenter.Apply(chosen); });
    }
    // The window owns the filter, as a QObject parent does.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    auto* filter = new CommandKeys(window, std::move(keys));
    for (QWidget* child : window->findChildren<QWidget*>()) child->installEventFilter(filter);
}
// NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)

}  // namespace trivelan::qt
