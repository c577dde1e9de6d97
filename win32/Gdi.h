#pragma once

#include <windows.h>

#include <memory>
#include <type_traits>

// Owners for the handles the window creates, so each is released exactly once.
namespace trivelan::win32 {

struct GdiObjectDeleter {
    void operator()(HGDIOBJ object) const noexcept { DeleteObject(object); }
};
using UniqueFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiObjectDeleter>;
using UniqueBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiObjectDeleter>;

struct AcceleratorDeleter {
    void operator()(HACCEL table) const noexcept { DestroyAcceleratorTable(table); }
};
using UniqueAccelerators = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter>;

// Selects a GDI object into a device context for one scope.
class SelectedObject {
  public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

  private:
    HDC dc_;
    HGDIOBJ previous_;
};

}  // namespace trivelan::win32
