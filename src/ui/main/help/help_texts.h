// The fixed texts of the help panel and the two links, free of window code.
#pragma once

#include <string>
#include <string_view>

namespace orvane::help {

// Tab captions and the labels around them.
inline constexpr std::string_view kInstructionsTab = "帮助说明";
inline constexpr std::string_view kShortcutsTab = "快捷键列表";
inline constexpr std::string_view kNoticeTab = "版权声明";
inline constexpr std::string_view kSeriesName = "Orvane 实用工具";
inline constexpr std::string_view kProductLabel = "   Orvane 桌面计算器";
inline constexpr std::string_view kVersionPlaceholder = "这里是版本号，运行后显示";

// The author line and the two links.
inline constexpr std::string_view kAuthorName = "Orvane 团队";
inline constexpr std::string_view kFeedbackAddress = "feedback@orvane.example";
inline constexpr std::string_view kWebAddress = "https://orvane.example/calculator";
inline constexpr std::string_view kMailSubject = "关于Orvane桌面计算器的一些问题反馈";
inline constexpr std::string_view kWebTooltip = "点击访问网站获得最新相关消息";
inline constexpr std::string_view kMailTooltip = "点击将用SMTP方式给作者发送电子邮件";

std::string author_label();  // "作者：" + author
std::string email_label();   // "Email：" + address

// The three tab texts: lines joined by CR LF, each text ending with one.
const std::string& instructions_text();
const std::string& shortcuts_text();
const std::string& notice_text();

// "全民普及版(090812 major.minor.revision)".
std::string version_line(int major, int minor, int revision);
// The same for this build's version.
std::string program_version_line();

// Percent-encodes everything but the unreserved characters (letters, digits, "-._~"), byte by
// byte, so UTF-8 text becomes %XX sequences with upper-case hex digits.
std::string percent_encode(std::string_view text);

// "mailto:" + address + "?subject=" + the encoded subject.
std::string mailto_url(std::string_view address, std::string_view subject);

}  // namespace orvane::help
