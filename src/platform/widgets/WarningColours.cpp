#include "platform/widgets/WarningColours.h"

#include <QPalette>
#include <cmath>

namespace miravel {

namespace {

constexpr double kMinimumContrast = 4.5;

double Linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double RelativeLuminance(const QColor& colour) {
    const QColor rgb = colour.toRgb();
    return 0.2126 * Linear(rgb.redF()) + 0.7152 * Linear(rgb.greenF()) +
           0.0722 * Linear(rgb.blueF());
}

QColor Blend(const QColor& from, const QColor& to, double share) {
    const auto mix = [share](int a, int b) {
        return static_cast<int>(std::lround(a + (b - a) * share));
    };
    return QColor(mix(from.red(), to.red()), mix(from.green(), to.green()),
                  mix(from.blue(), to.blue()));
}

}  // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
    const double la = RelativeLuminance(a);
    const double lb = RelativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

RefusedFieldColours RefusedColoursFor(const QPalette& palette) {
    const QColor base = palette.color(QPalette::Active, QPalette::Base).toRgb();
    const QColor text = palette.color(QPalette::Active, QPalette::Text).toRgb();
    // Half way to pure red: white becomes the familiar light red, a dark grey a deep red.
    const QColor refused = Blend(base, QColor(255, 0, 0), 0.5);
    if (ContrastRatio(refused, text) >= kMinimumContrast)
        return {refused, text};
    const QColor black(0, 0, 0);
    const QColor white(255, 255, 255);
    const QColor readable =
        ContrastRatio(refused, black) >= ContrastRatio(refused, white) ? black : white;
    if (ContrastRatio(refused, readable) >= kMinimumContrast)
        return {refused, readable};
    // Pure red's middle luminance holds neither: move the fill away from the text instead.
    const QColor away = readable == black ? QColor(255, 160, 160) : QColor(128, 0, 0);
    return {away, readable};
}

QPalette RefusedPalette(const QPalette& palette) {
    const RefusedFieldColours colours = RefusedColoursFor(palette);
    QPalette refused = palette;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        refused.setColor(group, QPalette::Base, colours.base);
        refused.setColor(group, QPalette::Text, colours.text);
    }
    return refused;
}

}  // namespace miravel
