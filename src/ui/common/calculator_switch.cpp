#include "ui/common/calculator_switch.h"

namespace orvane {

std::optional<CalculatorKind> switch_target_for_key(int qt_key, CalculatorKind own) {
    std::optional<CalculatorKind> target;
    switch (qt_key) {
        case Qt::Key_F1:
            target = CalculatorKind::standard;
            break;
        case Qt::Key_F2:
            target = CalculatorKind::expression;
            break;
        case Qt::Key_F7:
            target = CalculatorKind::mortgage;
            break;
        default:
            break;
    }
    if (target == own) {
        return std::nullopt;
    }
    return target;
}

}  // namespace orvane
