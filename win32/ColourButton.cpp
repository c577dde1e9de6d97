// The Win32 window's coloured push buttons.
#include "ColourButton.h"

#include "Gdi.h"
#include "Text.h"

namespace trivelan::win32 {

void DrawColourButton(const DRAWITEMSTRUCT& item, HBRUSH face, COLORREF text, HFONT font,
                      std::u16string_view caption) {
    const bool pressed = (item.itemState & ODS_SELECTED) != 0;
    const bool focused = (item.itemState & ODS_FOCUS) != 0;
    RECT area = item.rcItem;
    if (focused) {  // the classic default button's outline, in the text's colour
        const UniqueBrush outline(CreateSolidBrush(text));
        FrameRect(item.hDC, &area, outline.get());
        InflateRect(&area, -1, -1);
    }
    FillRect(item.hDC, &area, face);
    DrawEdge(item.hDC, &area, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    RECT label = area;
    if (pressed) OffsetRect(&label, 1, 1);
    const SelectedObject selected(item.hDC, font);
    SetBkMode(item.hDC, TRANSPARENT);
    SetTextColor(item.hDC, text);
    const std::wstring shown = Wide(caption);
    DrawTextW(item.hDC, shown.c_str(), static_cast<int>(shown.size()), &label,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    if (focused && (item.itemState & ODS_NOFOCUSRECT) == 0) {
        RECT mark = area;
        InflateRect(&mark, -3, -3);
        DrawFocusRect(item.hDC, &mark);
    }
}

}  // namespace trivelan::win32
