#include "ui/main/help/help_texts.h"

#include <array>

#ifndef ORVANE_VERSION_MAJOR
#error "ORVANE_VERSION_MAJOR, _MINOR and _PATCH come from the build"
#endif

namespace orvane::help {

std::string author_label() {
    return "作者：" + std::string(kAuthorName);
}

std::string email_label() {
    return "Email：" + std::string(kFeedbackAddress);
}

const std::string& instructions_text() {
    static const std::string kText =
        "    1、基本操作\r\n"
        "    基本操作与计算器一样，支持键\r\n"
        "盘操作，鼠标在按钮上悬停，除数字\r\n"
        "键都会弹出提示，提示后面括号内是\r\n"
        "键盘操作时的快捷键。\r\n"
        "\r\n"
        "    2、悬停及最小化\r\n"
        "    计算器支持屏幕边缘自动悬停。\r\n"
        "将计算器拖至屏幕边缘，计算器即会\r\n"
        "自动悬停在屏幕边缘。\r\n"
        "    点击计算器右上角的最小化按钮\r\n"
        "可将计算器缩成一根小长条，需要恢\r\n"
        "复计算器，双击该长条即可。\r\n"
        "\r\n"
        "    3、位数\r\n"
        "    计算器最多保留15位数字，多余\r\n"
        "部分会被自动直接截去。\r\n"
        "\r\n"
        "    4、功能简介\r\n"
        "    “自动捕获数字”功能在您进行\r\n"
        "复制时检查系统剪贴板，如是纯数字\r\n"
        "，则自动复制到计算器中。\r\n"
        "    “自动复制结果”与“MS”等键\r\n"
        "的功能区别在于，自动复制功能会在\r\n"
        "每次计算后将计算结果复制到系统剪\r\n"
        "贴板中，如果有多步运算，则只保存\r\n"
        "最后一步的结果，并且该保存将清空\r\n"
        "原系统剪贴板上的内容。而MS等键的\r\n"
        "功能只在你需要时保存，并且不占用\r\n"
        "系统剪贴板。\r\n"
        "    “GT”功能在计算器打开时即自\r\n"
        "动开启，它将每次经“=”号计算的\r\n"
        "结果求和。\r\n"
        "    “KF”是开平方功能。\r\n";
    return kText;
}

const std::string& shortcuts_text() {
    // The space after "清除当前数值。" belongs to the text.
    static const std::string kText =
        "回车键 / Enter\r\n"
        "    等于。\r\n"
        "\r\n"
        "空格键 / Backspace\r\n"
        "    清除最后一位。\r\n"
        "\r\n"
        "Esc\r\n"
        "    全部清除。\r\n"
        "\r\n"
        "Del / Delete\r\n"
        "    清除当前数值。 \r\n"
        "\r\n"
        "F1\r\n"
        "    在标准计算模式下为查看帮助说\r\n"
        "明及快捷键列表。\r\n"
        "    在其他计算模式下为切换到标准\r\n"
        "计算模式。\r\n"
        "\r\n"
        "F2\r\n"
        "    表达式计算器。\r\n"
        "\r\n"
        "F3\r\n"
        "    语音功能开关。\r\n"
        "\r\n"
        "F7\r\n"
        "    按揭贷款计算器。\r\n"
        "\r\n"
        "F8\r\n"
        "    计算记录（复核、改正）。\r\n"
        "\r\n"
        "F9\r\n"
        "    朗读结果开关（语音开启时）。\r\n"
        "\r\n"
        "F10\r\n"
        "    朗读显示的数值。\r\n"
        "\r\n"
        "B\r\n"
        "    百分比计算。\r\n"
        "\r\n"
        "F\r\n"
        "    开平方计算。\r\n"
        "\r\n"
        "G\r\n"
        "    累计计算结果。\r\n"
        "\r\n"
        "Ctrl + A\r\n"
        "    累计缓存。\r\n"
        "\r\n"
        "Ctrl + C\r\n"
        "    清空缓存。\r\n"
        "\r\n"
        "Ctrl + R\r\n"
        "    读取缓存。\r\n"
        "\r\n"
        "Ctrl + S\r\n"
        "    计算结果保存在缓存。\r\n";
    return kText;
}

const std::string& notice_text() {
    // Broken into lines as short as those of the other two texts, for the same text box.
    static const std::string kText = "    Orvane桌面计算器\r\n" + program_version_line() +
                                     "\r\n"
                                     "\r\n"
                                     "    本软件为免费软件，供个人免费\r\n"
                                     "使用。您可以自由复制和传播本软\r\n"
                                     "件，但不得用于商业目的，不得修\r\n"
                                     "改后冒名发布。\r\n"
                                     "\r\n"
                                     "    本软件按现状提供，作者不对因\r\n"
                                     "使用本软件造成的任何损失承担责\r\n"
                                     "任。\r\n"
                                     "\r\n"
                                     "    作者：" +
                                     std::string(kAuthorName) + "\r\n";
    return kText;
}

std::string version_line(int major, int minor, int revision) {
    return "全民普及版(090812 " + std::to_string(major) + "." + std::to_string(minor) + "." +
           std::to_string(revision) + ")";
}

std::string program_version_line() {
    return version_line(ORVANE_VERSION_MAJOR, ORVANE_VERSION_MINOR, ORVANE_VERSION_PATCH);
}

std::string percent_encode(std::string_view text) {
    static constexpr std::array<char, 16> kHex = {'0', '1', '2', '3', '4', '5', '6', '7',
                                                  '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string out;
    out.reserve(text.size() * 3);
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool unreserved = (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
                                (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' ||
                                byte == '_' || byte == '~';
        if (unreserved) {
            out += c;
        } else {
            out += '%';
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    return out;
}

std::string mailto_url(std::string_view address, std::string_view subject) {
    return "mailto:" + std::string(address) + "?subject=" + percent_encode(subject);
}

}  // namespace orvane::help
