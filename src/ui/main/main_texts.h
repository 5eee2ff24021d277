// Fixed texts of the main window.
#pragma once

#include <QString>

namespace orvane {

inline const QString kProgramTitle = QStringLiteral("Orvane桌面计算器");
inline const QString kFeedbackTitle = QStringLiteral("欢迎您的参与");
inline const QString kFeedbackText =
    QStringLiteral("您还希望Orvane桌面计算器增加什么功能吗？欢迎来信或到网站给我留言。");
inline const QString kLogoTooltip = QStringLiteral("Orvane 团队制作");

// The check item of the results read aloud (its key, F9, is in the help panel's list).
inline const QString kReadResultsItem = QStringLiteral("朗读结果");

// The tray icon's tooltip: the title, two spaces, major.minor.
inline QString tray_tooltip(int major, int minor) {
    return kProgramTitle + QStringLiteral("  ") + QString::number(major) + QLatin1Char('.') +
           QString::number(minor);
}

}  // namespace orvane
