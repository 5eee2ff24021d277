// The switch keys, the same table for the three windows.
#include <gtest/gtest.h>

#include "ui/common/calculator_switch.h"

namespace orvane {
namespace {

using Kind = CalculatorKind;

TEST(CalculatorSwitch, EachWindowSwitchesToTheOtherTwo) {
    const struct {
        Kind own;
        int qt_key;
        std::optional<Kind> target;
    } rows[] = {
        // The main window's F1 is its help panel.
        {Kind::standard, Qt::Key_F1, std::nullopt},
        {Kind::standard, Qt::Key_F2, Kind::expression},
        {Kind::standard, Qt::Key_F7, Kind::mortgage},
        {Kind::expression, Qt::Key_F1, Kind::standard},
        {Kind::expression, Qt::Key_F2, std::nullopt},
        {Kind::expression, Qt::Key_F7, Kind::mortgage},
        {Kind::mortgage, Qt::Key_F1, Kind::standard},
        {Kind::mortgage, Qt::Key_F2, Kind::expression},
        {Kind::mortgage, Qt::Key_F7, std::nullopt},
        // Neighbours of the switch keys, and the letters of the same names.
        {Kind::standard, Qt::Key_F3, std::nullopt},
        {Kind::expression, Qt::Key_F6, std::nullopt},
        {Kind::mortgage, Qt::Key_F8, std::nullopt},
        {Kind::expression, Qt::Key_F, std::nullopt},
        {Kind::mortgage, Qt::Key_1, std::nullopt},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(switch_target_for_key(row.qt_key, row.own), row.target)
            << "window " << static_cast<int>(row.own) << " key " << std::hex << row.qt_key;
    }
}

}  // namespace
}  // namespace orvane
