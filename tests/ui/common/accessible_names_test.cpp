#include "ui/common/accessible_names.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Row {
    const char* tooltip;
    const char* caption;
    const char* name;
    const char* shortcut;
};

// Tooltips as the windows carry them, plus the shapes that must not lose text.
constexpr Row kRows[] = {
    {"开平方 （F）", "KF", "开平方", "F"},
    {"清除最后一位 （空格键/Backspace）", "→", "清除最后一位", "空格键/Backspace"},
    {"清除当前数值 （Del 或 Delete）", "C", "清除当前数值", "Del 或 Delete"},
    {"等于 （回车键）", "＝", "等于", "回车键"},
    {"除以 （/）", "÷", "除以", "/"},
    {"乘以 （*）", "×", "乘以", "*"},
    {"百分比 （B）", "%", "百分比", "B"},
    {"历史计算值和 （G）", "GT", "历史计算值和", "G"},
    {"全部清除 （Esc）", "AC", "全部清除", "Esc"},
    {"正负号", "+/-", "正负号", ""},
    {"小数点", "·", "小数点", ""},
    {"减", "－", "减", ""},
    // Digit keys have no tooltip: the caption is the name.
    {"", "7", "7", ""},
    {"", "00", "00", ""},
    {"   ", " 0 ", "0", ""},
    // A wide space before the bracket and no space at all.
    {"开平方\u3000（F）", "KF", "开平方", "F"},
    {"开平方（F）", "KF", "开平方", "F"},
    // Brackets in the middle are part of the name, not a shortcut.
    {"加（和） 运算", "＋", "加（和） 运算", ""},
    // A tooltip that is only a shortcut falls back to the caption.
    {"（F）", "KF", "KF", "F"},
    // An unclosed bracket is kept verbatim.
    {"开平方 （F", "KF", "开平方 （F", ""},
};

TEST(AccessibleNames, name_and_shortcut_from_tooltip) {
    for (const auto& row : kRows) {
        SCOPED_TRACE(std::string{"tooltip: "} + row.tooltip);
        EXPECT_EQ(orvane::ui::accessible_name(row.tooltip, row.caption), row.name);
        EXPECT_EQ(orvane::ui::accessible_shortcut(row.tooltip), row.shortcut);
    }
}

}  // namespace
