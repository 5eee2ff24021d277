#include "ui/main/dock/scale_rules.h"

#include <cstdlib>

#include "ui/main/dock/dock_rules.h"

namespace orvane::dock {

namespace {

bool near(int value, int nominal) {
    return std::abs(value - nominal) <= kScaleTolerance;
}

}  // namespace

int nominal_width(int width) {
    if (near(width, kExpandedWidth)) {
        return kExpandedWidth;
    }
    if (near(width, kCalculatorWidth)) {
        return kCalculatorWidth;
    }
    return width;
}

int nominal_height(int height) {
    return near(height, kCalculatorHeight) ? kCalculatorHeight : height;
}

}  // namespace orvane::dock
