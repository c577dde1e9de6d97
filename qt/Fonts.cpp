// The design's fonts for the Qt window.
#include "Fonts.h"

#include "Text.h"
#include "design/FormDesign.h"

namespace trivelan::qt {

QFont DesignFont(double points) {
    QFont font(ToQString(design::kFontFamily));
    font.setPointSizeF(points);
    font.setWeight(QFont::Normal);
    font.setStyleHint(QFont::Serif);
    // Plain glyph runs, no kerning: as the classic Windows text drawing set it,
    // and it spares the first frame shaping the whole statement.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

}  // namespace trivelan::qt
