// What the Qt window knows of its screen.
#include "Screen.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace trivelan::qt {
namespace {

design::PixelRect ToPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

design::Screen ScreenOf(const QWidget* window) {
    const QScreen* screen = window->screen();
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    return {ToPixelRect(screen->geometry()),
            ToPixelRect(screen->availableGeometry()),
            1.0,
            {frame.width(), frame.height()}};
}

}  // namespace trivelan::qt
