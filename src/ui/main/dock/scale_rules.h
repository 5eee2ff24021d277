// Display scaling: at a scale other than 100 % the window's size in device pixels is rounded,
// and read back it may miss the calculator's two widths by a pixel. Sizes read from the window
// are taken for the nominal one they are within a few pixels of.
#pragma once

namespace orvane::dock {

// Three pixels, enough for the rounding at every common scale (1 to 2).
inline constexpr int kScaleTolerance = 45;

// The calculator width or the expanded width when WIDTH (twips, as read) is that close to it;
// otherwise WIDTH itself.
[[nodiscard]] int nominal_width(int width);

// The same for the height: the calculator height when close to it.
[[nodiscard]] int nominal_height(int height);

}  // namespace orvane::dock
