// The page's keyboard: the browser's keys as the design's.
#include "Keyboard.h"

#include <optional>
#include <string>
#include <utility>

namespace trivelan::web {
namespace {

// The classroom keys a page can be given, by the browser's names for them.
std::optional<design::Key> KeyOf(const std::string& key) {
    using design::Key;
    const std::pair<const char*, Key> keys[] = {
        {"F1", Key::F1},   {"a", Key::A},           {"A", Key::A},
        {"F11", Key::F11}, {"Escape", Key::Escape}, {"+", Key::Plus},
        {"=", Key::Equal}, {"-", Key::Minus},       {"0", Key::Zero}};
    for (const auto& [name, design] : keys) {
        if (key == name) return design;
    }
    return std::nullopt;
}

}  // namespace

void OnPageKey(const Js& event, design::Presenter& presenter) {
    const std::string name = event["key"].Ascii();
    if (name == "Tab") {
        if (presenter.Tab(!event["shiftKey"].Truthy())) event.Call("preventDefault");
        return;
    }
    const auto key = KeyOf(name);
    const auto command = key ? presenter.CommandFor(*key, event["ctrlKey"].Truthy()) : std::nullopt;
    if (!command || presenter.Stopped()) return;
    event.Call("preventDefault");
    presenter.Apply(*command);
}

}  // namespace trivelan::web
