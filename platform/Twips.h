#pragma once

#include <QFont>
#include <QRect>
#include <QStringList>

namespace platform {

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

// The windows' font: a compact sans-serif of the size the layouts were drawn for.
inline QFont dialogFont() {
    QFont font;
    font.setFamilies({QStringLiteral("Segoe UI"), QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                      QStringLiteral("DejaVu Sans")});
    font.setPointSizeF(8.0);
    return font;
}

} // namespace platform
