#pragma once

// How far apart two colours read, as WCAG 2 measures it, free of any toolkit.
namespace toolkit {

// The relative luminance of a colour of 8-bit sRGB channels: 0 for black to 1 for white.
double RelativeLuminance(int red, int green, int blue);

// The contrast ratio of two relative luminances, in either order: 1 (none) to 21 (black on
// white).
double ContrastRatio(double luminance, double other);

// The ratio text needs against its ground at WCAG's level AAA, which High Contrast keeps to.
inline constexpr double HighContrastRatio = 7;

} // namespace toolkit
