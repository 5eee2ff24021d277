#include "mortgage/axis_scale.h"

#include <algorithm>
#include <cmath>

namespace orvane::mortgage {
namespace {

constexpr double kTenThousand = 1e4;
constexpr double kHundredMillion = 1e8;
// About this many steps from 0 to the largest value.
constexpr double kSteps = 4;

}  // namespace

int AxisScale::tick_count() const {
    return static_cast<int>(std::lround(upper / step)) + 1;
}

AxisScale axis_scale(double largest) {
    AxisScale scale;
    if (!(largest > 0) || !std::isfinite(largest)) {
        scale.unit = "元";
        scale.step = 0.2;
        scale.decimals = 1;
        return scale;
    }
    if (largest < kTenThousand) {
        scale.unit = "元";
    } else if (largest < kHundredMillion) {
        scale.unit = "万元";
        scale.divisor = kTenThousand;
    } else {
        scale.unit = "亿元";
        scale.divisor = kHundredMillion;
    }
    const double scaled = largest / scale.divisor;
    const double raw = scaled / kSteps;
    const int exponent = static_cast<int>(std::floor(std::log10(raw)));
    const double magnitude = std::pow(10.0, exponent);
    double step = 10 * magnitude;
    for (const double factor : {1.0, 2.0, 5.0}) {
        if (factor * magnitude >= raw * (1 - 1e-9)) {
            step = factor * magnitude;
            break;
        }
    }
    scale.step = step;
    scale.upper = std::ceil(scaled / step * (1 - 1e-12)) * step;
    if (scale.upper < scaled) {
        scale.upper += step;
    }
    scale.decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    return scale;
}

}  // namespace orvane::mortgage
