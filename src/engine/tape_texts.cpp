#include "engine/tape_texts.h"

#include <algorithm>

#include "engine/text_rules.h"

namespace orvane::engine {
namespace {

std::string number_as(std::string_view value, NumberStyle style) {
    return style == NumberStyle::grouped ? grouped_number(value) : std::string(value);
}

// How a reader names what a number was keyed for.
std::string_view spoken_key(Key key) {
    switch (key) {
        case Key::add:
            return "加";
        case Key::subtract:
            return "减";
        case Key::multiply:
            return "乘";
        case Key::divide:
            return "除";
        case Key::percent:
            return "百分比";
        case Key::square_root:
            return "开平方";
        case Key::memory_store:
            return "存储";
        case Key::memory_add:
            return "累加存储";
        case Key::memory_read:
            return "读取存储";
        case Key::memory_clear:
            return "清除存储";
        default:
            return "数";
    }
}

std::string check_text(const TapeLine& line) {
    if (line.differing.empty()) {
        return "复核一致";
    }
    std::string text = "复核不一致：第";
    for (std::size_t i = 0; i < line.differing.size(); ++i) {
        text += (i == 0 ? "" : "、") + std::to_string(line.differing[i]);
    }
    return text + "项";
}

std::string joined(std::string_view first, std::string_view second) {
    if (second.empty()) {
        return std::string(first);
    }
    if (first.empty()) {
        return std::string(second);
    }
    return std::string(first) + " " + std::string(second);
}

// The line without its marks.
std::string bare_text(const TapeLine& line, NumberStyle style) {
    const std::string value = number_as(line.value, style);
    switch (line.kind) {
        case LineKind::number:
        case LineKind::carried:
            return joined(value, line.key == Key::equals ? "" : tape_symbol(line.key));
        case LineKind::result:
            return joined("＝", value);
        case LineKind::memory:
        case LineKind::grand_total:
            return joined(tape_symbol(line.key), value);
        case LineKind::clear_entry:
        case LineKind::clear:
            return "C";
        case LineKind::clear_all:
            return "AC";
        case LineKind::error:
            return line.value;
        case LineKind::capture:
            return joined("取数", value);
        case LineKind::paste:
            return joined("粘贴", value);
        case LineKind::check:
            return check_text(line);
    }
    return line.value;
}

const char* kind_word(LineKind kind, TapeCsvStyle style) {
    static constexpr const char* kWords[][2] = {
        {"number", "数"},    {"carried", "续算"},       {"result", "结果"},
        {"memory", "存储"},  {"grand_total", "总计"},   {"clear_entry", "清除输入"},
        {"clear", "清除"},   {"clear_all", "全部清除"}, {"error", "错误"},
        {"capture", "取数"}, {"paste", "粘贴"},         {"check", "复核"},
    };
    return kWords[static_cast<int>(kind)][style == TapeCsvStyle::terminal ? 0 : 1];
}

}  // namespace

std::string grouped_number(std::string_view number) {
    if (!is_number_text(number)) {
        return std::string(number);
    }
    const std::size_t sign = number.starts_with('-') ? 1 : 0;
    const std::size_t point = std::min(number.find('.'), number.size());
    std::string out(number.substr(0, sign));
    for (std::size_t i = sign; i < point; ++i) {
        if (i > sign && (point - i) % 3 == 0) {
            out += ',';
        }
        out += number[i];
    }
    out += number.substr(point);
    return out;
}

std::string_view tape_symbol(Key key) {
    switch (key) {
        case Key::add:
            return "＋";
        case Key::subtract:
            return "－";
        case Key::multiply:
            return "×";
        case Key::divide:
            return "÷";
        case Key::percent:
            return "％";
        case Key::square_root:
            return "√";
        case Key::equals:
            return "＝";
        case Key::memory_store:
            return "MS";
        case Key::memory_add:
            return "M＋";
        case Key::memory_read:
            return "MR";
        case Key::memory_clear:
            return "MC";
        case Key::grand_total:
            return "GT";
        case Key::clear:
            return "C";
        case Key::clear_all:
            return "AC";
        default:
            return "";
    }
}

std::string tape_line_text(const TapeLine& line, NumberStyle style) {
    std::string text = bare_text(line, style);
    if (line.corrected) {
        text += "（原 " + number_as(line.original, style) + "）";
    } else if (line.recomputed) {
        text += "（重算）";
    }
    if (line.check == CheckMark::agrees) {
        text += " ✓";
    } else if (line.check == CheckMark::differs) {
        text += " ✘ 复核为 " + number_as(line.checked_value, style);
    }
    return text;
}

std::string tape_line_spoken(const TapeLine& line) {
    std::string spoken;
    switch (line.kind) {
        case LineKind::number:
        case LineKind::carried:
        case LineKind::memory:
            spoken = joined(spoken_key(line.key), line.value);
            break;
        case LineKind::result:
            spoken = joined("结果", line.value);
            break;
        case LineKind::grand_total:
            spoken = joined("总计", line.value);
            break;
        case LineKind::clear_entry:
            spoken = "清除输入";
            break;
        case LineKind::clear:
            spoken = "清除";
            break;
        case LineKind::clear_all:
            spoken = "全部清除";
            break;
        default:
            spoken = bare_text(line, NumberStyle::plain);
            break;
    }
    if (line.corrected) {
        spoken += "，已改正，原 " + line.original;
    }
    if (line.check == CheckMark::agrees) {
        spoken += "，复核一致";
    } else if (line.check == CheckMark::differs) {
        spoken += "，复核为 " + line.checked_value;
    }
    return spoken;
}

std::string tape_text(const Tape& tape, NumberStyle style) {
    std::string text;
    for (const auto& line : tape.lines()) {
        text += tape_line_text(line, style);
        text += '\n';
    }
    return text;
}

std::string tape_csv(const Tape& tape, TapeCsvStyle style) {
    const bool terminal = style == TapeCsvStyle::terminal;
    const char* const line_end = terminal ? "\n" : "\r\n";
    std::string csv = terminal ? "line,kind,key,value,items,check,original"
                               : "\xEF\xBB\xBF行,类型,键,数值,项数,复核,原值";
    csv += line_end;
    std::size_t number = 0;
    for (const auto& line : tape.lines()) {
        ++number;
        std::string check;
        if (line.kind == LineKind::check) {
            check = check_text(line);
        } else if (line.check == CheckMark::agrees) {
            check = "✓";
        } else if (line.check == CheckMark::differs) {
            check = "✘ " + line.checked_value;
        }
        const std::string value = line.kind == LineKind::check ? "" : line.value;
        const bool keyed = line.kind == LineKind::number || line.kind == LineKind::carried ||
                           line.kind == LineKind::result || line.kind == LineKind::memory ||
                           line.kind == LineKind::grand_total;
        csv += std::to_string(number) + ',' + kind_word(line.kind, style) + ',' +
               std::string(keyed ? tape_symbol(line.key) : "") + ',' + value + ',' +
               (line.kind == LineKind::result ? std::to_string(line.items) : "") + ',' + check +
               ',' + (line.corrected ? line.original : "") + line_end;
    }
    return csv;
}

std::string correction_message(Correction outcome, const TapeLine* line) {
    switch (outcome) {
        case Correction::done:
            return {};
        case Correction::no_such_line:
            return "没有这一行";
        case Correction::not_a_number:
            return "请输入一个数";
        case Correction::not_correctable:
            break;
    }
    if (line == nullptr) {
        return "这一行不能改正";
    }
    switch (line->kind) {
        case LineKind::result:
        case LineKind::carried:
            return "结果不能改正，请改正参与计算的数";
        case LineKind::memory:
        case LineKind::grand_total:
            return "读出的数不能改正";
        case LineKind::number:
            return line->origin == EntryOrigin::recalled ? "读出的数不能改正"
                                                         : "这个数已移出记录，不能改正";
        default:
            return "这一行不是数，不能改正";
    }
}

std::string dropped_lines_text(std::uint64_t dropped) {
    return "最早的 " + std::to_string(dropped) + " 行已移出记录";
}

}  // namespace orvane::engine
