#pragma once

#include "toolkit/Contrast.h"

#include <QtWidgets>

#include <algorithm>
#include <map>
#include <optional>
#include <vector>

// The contrast of what is drawn in a part of a picture against its ground, as WCAG measures it:
// the ground is the colour most of the part has; what is drawn, the colour its most contrasting
// pixels show (an antialiased edge only blends it with the ground), where at least four show it,
// so that a stray pixel cannot raise it. Nothing where nothing is drawn.
inline double Ratio(QRgb colour, QRgb other)
{
    const auto luminance = [](QRgb c) {
        return toolkit::RelativeLuminance(qRed(c), qGreen(c), qBlue(c));
    };
    return toolkit::ContrastRatio(luminance(colour), luminance(other));
}

inline QRgb GroundOf(const QImage& picture, const QRect& part)
{
    std::map<QRgb, int> counts;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            ++counts[picture.pixel(x, y) | 0xff000000];
    return std::ranges::max_element(counts, {}, [](const auto& count) { return count.second; })
        ->first;
}

inline std::optional<double> DrawnContrast(const QImage& picture, QRect part)
{
    part &= picture.rect();
    if (part.isEmpty())
        return std::nullopt;
    const QRgb ground = GroundOf(picture, part);
    std::vector<double> drawn;
    for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x)
            drawn.push_back(Ratio(picture.pixel(x, y), ground));
    if (drawn.size() < 4)
        return std::nullopt;
    std::nth_element(drawn.begin(), drawn.begin() + 3, drawn.end(), std::greater<>());
    return drawn[3] > 1 ? std::optional(drawn[3]) : std::nullopt;
}
