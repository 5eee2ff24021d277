// Layout units: positions and sizes are designed in twips, 15 to a logical pixel at 96 dpi; Qt
// scales logical pixels with the screen's device pixel ratio. No Qt: the docking rules use it.
#pragma once

namespace orvane {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels, to the nearest pixel with halves away from zero, so that a position
// left of or above the screen rounds as its mirror image does.
constexpr int px_from_twips(int twips) {
    constexpr int kHalf = kTwipsPerPixel / 2;
    return twips >= 0 ? (twips + kHalf) / kTwipsPerPixel : -((-twips + kHalf) / kTwipsPerPixel);
}

constexpr int twips_from_px(int px) {
    return px * kTwipsPerPixel;
}

}  // namespace orvane
