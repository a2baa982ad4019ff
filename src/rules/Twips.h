#pragma once

// Sizes in the screens' descriptions are twips; the program draws at 15 twips per pixel.
constexpr int TwipsPerPixel = 15;
constexpr int toPixels(int twips) {
    return twips / TwipsPerPixel;
}
constexpr int toTwips(int pixels) {
    return pixels * TwipsPerPixel;
}
