// Colours as the program speaks of them (0x00BBGGRR) and as images store them (0xAARRGGBB).
#pragma once
#include <cstdint>

namespace marevisk {

using Colour = std::uint32_t;  // 0x00BBGGRR: red in the low byte, high byte 0
using Argb = std::uint32_t;    // 0xAARRGGBB, the layout of a 32-bit image pixel

constexpr Argb ArgbFromColour(Colour c) {
    return 0xff000000u | ((c & 0xffu) << 16) | (c & 0xff00u) | ((c >> 16) & 0xffu);
}

constexpr Colour ColourFromArgb(Argb a) {
    return ((a >> 16) & 0xffu) | (a & 0xff00u) | ((a & 0xffu) << 16);
}

constexpr Argb MakeArgb(int r, int g, int b, int a = 255) {
    return (Argb(a) << 24) | (Argb(r) << 16) | (Argb(g) << 8) | Argb(b);
}

constexpr int RedOf(Argb a) {
    return int((a >> 16) & 0xff);
}
constexpr int GreenOf(Argb a) {
    return int((a >> 8) & 0xff);
}
constexpr int BlueOf(Argb a) {
    return int(a & 0xff);
}
constexpr int AlphaOf(Argb a) {
    return int(a >> 24);
}

}  // namespace marevisk
