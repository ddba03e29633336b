#pragma once

#include <cstdint>

namespace forms {

// A colour as (red, green, blue), 0 to 255 each.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;

    friend constexpr bool operator==(Rgb a, Rgb b)
    {
        return a.r == b.r && a.g == b.g && a.b == b.b;
    }
    friend constexpr bool operator!=(Rgb a, Rgb b) { return !(a == b); }
};

} // namespace forms
