// The display's text is never clipped: a text wider than the room shrinks the font until it
// fits, and a shorter text gets the designed size back.
#pragma once

#include <functional>

namespace orvane {

inline constexpr double kDisplayPoints = 36.0;
inline constexpr double kDisplayMinimumPoints = 6.0;
inline constexpr double kDisplayPointStep = 0.5;

// The largest size from `designed` down, in steps of kDisplayPointStep, at which
// `width_at(size)` is at most `room`; never below `minimum`.
double fitting_point_size(double designed, double minimum, int room,
                          const std::function<int(double points)>& width_at);

}  // namespace orvane
