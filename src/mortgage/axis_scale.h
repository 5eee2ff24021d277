// The scale of a chart axis of money: a unit that keeps the labels short (元, 万元, 亿元),
// a round step and as many decimals as the step needs, so that every label is short and
// no two labels read the same.
#pragma once

#include <string>

namespace orvane::mortgage {

struct AxisScale {
    double divisor = 1;  // yuan per unit
    std::string unit;    // "元", "万元" or "亿元"
    double upper = 1;    // the axis runs from 0 to upper, in units
    double step = 1;     // between two labels, in units: 1, 2 or 5 times a power of ten
    int decimals = 0;    // of every label

    [[nodiscard]] int tick_count() const;
};

// The scale for values from 0 to `largest` yuan (a value of 0 or less gives 0 to 1 元).
[[nodiscard]] AxisScale axis_scale(double largest);

}  // namespace orvane::mortgage
