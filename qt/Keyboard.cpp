// The Qt window's keyboard: the classroom commands as shortcuts.
#include "Keyboard.h"

#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

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

}  // namespace

void BindCommands(QWidget* window, const std::function<void(design::Command)>& command) {
    for (const design::KeyBinding& binding : design::kKeyBindings) {
        QKeyCombination key = QtKeyOf(binding.key);
        if (binding.control) key = key.keyboardModifiers() | Qt::ControlModifier | key.key();
        auto* shortcut = new QShortcut(QKeySequence(key), window);
        QObject::connect(shortcut, &QShortcut::activated, window,
                         [command, chosen = binding.command] { command(chosen); });
    }
}

}  // namespace trivelan::qt
