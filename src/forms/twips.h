#pragma once

#include <cmath>

namespace forms {

// 1440 twips to the inch on a 96-DPI logical pixel; Qt's own scaling maps logical pixels to the
// screen, so a window keeps its proportions at any scale factor.
inline constexpr float TwipsPerPixel = 15.0f;

inline int twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / TwipsPerPixel));
}

inline float pixelsToTwips(int pixels)
{
    return static_cast<float>(pixels) * TwipsPerPixel;
}

// Position and size of a control, in twips within its window's client area.
struct TwipsRect {
    float left = 0;
    float top = 0;
    float width = 0;
    float height = 0;

    friend bool operator!=(const TwipsRect &a, const TwipsRect &b)
    {
        return a.left != b.left || a.top != b.top || a.width != b.width || a.height != b.height;
    }
};

} // namespace forms
