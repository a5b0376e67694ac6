#pragma once

namespace toolkit {

// Window and control measures are kept in twips (1/1440 inch). At 96 dots per inch 15 twips
// are one device-independent pixel; Qt's high-DPI scaling takes it from there.
constexpr int TwipsPerPixel = 15;

constexpr int Pixels(int twips)
{
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

} // namespace toolkit
