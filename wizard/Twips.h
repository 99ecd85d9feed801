#pragma once

#include <QRect>

namespace wizard {

// Geometry is written in twips, as the layout tables give it: 15 twips to a
// pixel at 96 dpi. Qt's high-dpi scaling takes it from there.
constexpr int TwipsPerPixel = 15;

constexpr int twips(int t) {
    return (t + TwipsPerPixel / 2) / TwipsPerPixel;
}
constexpr int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}

inline QRect twipsRect(int left, int top, int width, int height) {
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace wizard
