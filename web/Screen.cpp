// What the page knows of its screen.
#include "Screen.h"

namespace trivelan::web {

design::Screen ScreenOf(const Js& window) {
    const design::PixelRect viewport{0, 0, window["innerWidth"].Int(), window["innerHeight"].Int()};
    return {viewport, viewport, 1.0, {0, 0}};
}

}  // namespace trivelan::web
