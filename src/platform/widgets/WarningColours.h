#pragma once

#include <QColor>

class QPalette;

namespace miravel {

// Contrast between two colours as the WCAG defines it: 1 (same) to 21 (black on white).
double ContrastRatio(const QColor& a, const QColor& b);

// The text a box shows with a fill that marks it refused.
struct RefusedFieldColours {
    QColor base;
    QColor text;
};

// Red laid over the palette's own background (light red on light palettes, dark red on dark
// ones), with the palette's text, or black or white where that reads better, so the text keeps
// at least 4.5:1.
RefusedFieldColours RefusedColoursFor(const QPalette& palette);

// The palette with the refused colours in its base and text roles.
QPalette RefusedPalette(const QPalette& palette);

}  // namespace miravel
