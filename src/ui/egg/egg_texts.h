// The easter-egg question, asked before the egg window opens.
#pragma once

#include <QString>

namespace orvane {

inline const QString kEggTitle = QStringLiteral("彩蛋");
// Two CR LF pairs between the two sentences, as the question has always been written.
inline const QString kEggQuestion = QStringLiteral(
    "嘿嘿，彩蛋被你挖掘出来了，要看看作者是谁以及“Orvane桌面计算器”的由来吗？\r\n\r\n"
    "查看彩蛋内容不会影响您先前进行的计算，您可以随时关闭以返回计算器界面。");

}  // namespace orvane
