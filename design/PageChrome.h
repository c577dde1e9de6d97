#pragma once

#include <string_view>

#include "FormDesign.h"

// What a page draws itself where a desktop window's system draws it, in CSS
// pixels at the design's size, as the classic desktop draws it: the frame's
// line and the caption on it, where a digit and its underline stand in its
// cell (two pixels thick, two below the baseline), the edges of a
// button and a text box, the report's margins and lines, and a box's border,
// title bar and text.
namespace trivelan::design {

struct Edges {
    int top;
    int right;
    int bottom;
    int left;
};

struct PageChrome {
    int frameLine;
    int captionBand;    // the band the frame's caption stands on
    int captionIndent;  // from the frame's left edge
    int captionMargin;  // either side of the caption's text
    int cellLine;       // the digit's line, from the cell's top
    int underline;      // its thickness
    int underlineGap;   // below the baseline
    int buttonEdge;     // raised
    int textEdge;       // sunken
    Edges textMargin;   // the report's text inside its edge
    int textLine;       // the report's line spacing
    Edges boxTextMargin;
    int boxBorder;
    int titleBar;
    Rgb edge;  // the light side of an edge
};
// The smallest a target under a finger may be, in CSS pixels either way
// (WCAG 2.2's 2.5.8): where the design at a phone's width makes its cells
// narrower, and the phone is held upright, a line asks to turn it.
inline constexpr int kSmallestTarget = 24;
inline constexpr std::u16string_view kTurnThePhone =
    u"Завъртете телефона: клетките стават по-едри.";

inline constexpr PageChrome kPageChrome{
    1, 18, 7, 2, 53, 2, 2, 1, 2, {3, 3, 1, 4}, 19, {1, 3, 1, 3}, 1, 22, {224, 224, 224}};

}  // namespace trivelan::design
