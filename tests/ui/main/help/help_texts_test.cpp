#include "ui/main/help/help_texts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace orvane::help {
namespace {

// Each text as the list of its lines; every line ends with CR LF.
std::string join_lines(const std::vector<std::string>& lines) {
    std::string text;
    for (const auto& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

const std::vector<std::string> kInstructionLines = {
    "    1、基本操作",
    "    基本操作与计算器一样，支持键",
    "盘操作，鼠标在按钮上悬停，除数字",
    "键都会弹出提示，提示后面括号内是",
    "键盘操作时的快捷键。",
    "",
    "    2、悬停及最小化",
    "    计算器支持屏幕边缘自动悬停。",
    "将计算器拖至屏幕边缘，计算器即会",
    "自动悬停在屏幕边缘。",
    "    点击计算器右上角的最小化按钮",
    "可将计算器缩成一根小长条，需要恢",
    "复计算器，双击该长条即可。",
    "",
    "    3、位数",
    "    计算器最多保留15位数字，多余",
    "部分会被自动直接截去。",
    "",
    "    4、功能简介",
    "    “自动捕获数字”功能在您进行",
    "复制时检查系统剪贴板，如是纯数字",
    "，则自动复制到计算器中。",
    "    “自动复制结果”与“MS”等键",
    "的功能区别在于，自动复制功能会在",
    "每次计算后将计算结果复制到系统剪",
    "贴板中，如果有多步运算，则只保存",
    "最后一步的结果，并且该保存将清空",
    "原系统剪贴板上的内容。而MS等键的",
    "功能只在你需要时保存，并且不占用",
    "系统剪贴板。",
    "    “GT”功能在计算器打开时即自",
    "动开启，它将每次经“=”号计算的",
    "结果求和。",
    "    “KF”是开平方功能。",
};

const std::vector<std::string> kShortcutLines = {
    "回车键 / Enter",
    "    等于。",
    "",
    "空格键 / Backspace",
    "    清除最后一位。",
    "",
    "Esc",
    "    全部清除。",
    "",
    "Del / Delete",
    "    清除当前数值。 ",
    "",
    "F1",
    "    在标准计算模式下为查看帮助说",
    "明及快捷键列表。",
    "    在其他计算模式下为切换到标准",
    "计算模式。",
    "",
    "F2",
    "    表达式计算器。",
    "",
    "F3",
    "    语音功能开关。",
    "",
    "F7",
    "    按揭贷款计算器。",
    "",
    "F8",
    "    计算记录（复核、改正）。",
    "",
    "F9",
    "    朗读结果开关（语音开启时）。",
    "",
    "F10",
    "    朗读显示的数值。",
    "",
    "B",
    "    百分比计算。",
    "",
    "F",
    "    开平方计算。",
    "",
    "G",
    "    累计计算结果。",
    "",
    "Ctrl + A",
    "    累计缓存。",
    "",
    "Ctrl + C",
    "    清空缓存。",
    "",
    "Ctrl + R",
    "    读取缓存。",
    "",
    "Ctrl + S",
    "    计算结果保存在缓存。",
};

TEST(HelpTexts, InstructionsAndShortcutsMatchLineByLine) {
    struct Case {
        const char* name;
        const std::string& actual;
        const std::vector<std::string>& lines;
        std::size_t line_count;
    };
    const std::vector<Case> cases = {
        {"instructions", instructions_text(), kInstructionLines, 34},
        {"shortcuts", shortcuts_text(), kShortcutLines, 56},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.lines.size(), c.line_count);
        EXPECT_EQ(c.actual, join_lines(c.lines));
        // No bare LF or CR anywhere: every break is CR LF.
        std::size_t crlf = 0;
        for (std::size_t i = 0; i < c.actual.size(); ++i) {
            if (c.actual[i] == '\n') {
                ASSERT_GT(i, 0U);
                EXPECT_EQ(c.actual[i - 1], '\r') << "at byte " << i;
                ++crlf;
            }
        }
        EXPECT_EQ(crlf, c.line_count);
        EXPECT_TRUE(c.actual.ends_with("\r\n"));
    }
}

TEST(HelpTexts, ShortcutLineWithTrailingSpace) {
    EXPECT_NE(shortcuts_text().find("\xE3\x80\x82 \r\n"), std::string::npos);  // "。 " CR LF
    EXPECT_NE(shortcuts_text().find("Del / Delete\r\n    \xE6\xB8\x85"), std::string::npos);
}

TEST(HelpTexts, NoticeNamesProgramVersionAndTerms) {
    const std::string& notice = notice_text();
    for (const char* part : {"Orvane\xE6\xA1\x8C\xE9\x9D\xA2\xE8\xAE\xA1\xE7\xAE\x97\xE5\x99\xA8",
                             "4.6.148", "\xE5\x85\x8D\xE8\xB4\xB9", "\xE4\xB8\xAA\xE4\xBA\xBA"}) {
        EXPECT_NE(notice.find(part), std::string::npos) << part;
    }
    EXPECT_TRUE(notice.ends_with("\r\n"));
    EXPECT_EQ(notice.find("\n\n"), std::string::npos);
}

TEST(HelpTexts, VersionLine) {
    struct Case {
        int major, minor, revision;
        std::string expected;
    };
    const std::vector<Case> cases = {
        {4, 6, 148, "\xE5\x85\xA8\xE6\xB0\x91\xE6\x99\xAE\xE5\x8F\x8A\xE7\x89\x88(090812 4.6.148)"},
        {1, 0, 0, "\xE5\x85\xA8\xE6\xB0\x91\xE6\x99\xAE\xE5\x8F\x8A\xE7\x89\x88(090812 1.0.0)"},
        {10, 12, 3001,
         "\xE5\x85\xA8\xE6\xB0\x91\xE6\x99\xAE\xE5\x8F\x8A\xE7\x89\x88(090812 10.12.3001)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(version_line(c.major, c.minor, c.revision), c.expected);
    }
    EXPECT_EQ(program_version_line(), version_line(4, 6, 148));
}

TEST(HelpTexts, LabelTexts) {
    EXPECT_EQ(author_label(),
              "\xE4\xBD\x9C\xE8\x80\x85\xEF\xBC\x9AOrvane \xE5\x9B\xA2\xE9\x98\x9F");
    EXPECT_EQ(email_label(),
              "Email\xEF\xBC\x9A"
              "feedback@orvane.example");
}

TEST(MailLink, PercentEncodesUtf8Bytes) {
    struct Case {
        std::string in;
        std::string out;
    };
    const std::vector<Case> cases = {
        {"", ""},
        {"AZaz09-._~", "AZaz09-._~"},
        {" ", "%20"},
        {"a&b=c?d#e", "a%26b%3Dc%3Fd%23e"},
        {"\xE5\x85\xB3", "%E5%85%B3"},  // one CJK character, three bytes
        {"%", "%25"},
        {std::string("\0\xFF", 2), "%00%FF"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(percent_encode(c.in), c.out) << c.in;
    }
}

TEST(MailLink, FeedbackLinkCarriesTheSubject) {
    EXPECT_EQ(mailto_url(kFeedbackAddress, kMailSubject),
              "mailto:feedback@orvane.example?subject="
              "%E5%85%B3%E4%BA%8E"  // 关于
              "Orvane"
              "%E6%A1%8C%E9%9D%A2%E8%AE%A1%E7%AE%97%E5%99%A8"  // 桌面计算器
              "%E7%9A%84%E4%B8%80%E4%BA%9B"                    // 的一些
              "%E9%97%AE%E9%A2%98%E5%8F%8D%E9%A6%88");         // 问题反馈
    EXPECT_EQ(mailto_url("a@b.c", ""), "mailto:a@b.c?subject=");
}

}  // namespace
}  // namespace orvane::help
