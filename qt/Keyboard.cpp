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

// Qt's key for each of the design's.
QKeyCombination QtKeyOf(design::Key key) {
    using design::Key;
    const std::pair<Key, QKeyCombination> keys[] = {
        {Key::Plus, Qt::Key_Plus},
        {Key::Equal, Qt::Key_Equal},
        {Key::KeypadPlus, Qt::KeypadModifier | Qt::Key_Plus},
        {Key::Minus, Qt::Key_Minus},
        {Key::KeypadMinus, Qt::KeypadModifier | Qt::Key_Minus},
        {Key::Zero, Qt::Key_0},
        {Key::KeypadZero, Qt::KeypadModifier | Qt::Key_0},
        {Key::F11, Qt::Key_F11},
        {Key::Escape, Qt::Key_Escape},
        {Key::F1, Qt::Key_F1},
        {Key::A, Qt::Key_A}};
    for (const auto& [design, qt] : keys) {
        if (design == key) return qt;
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
