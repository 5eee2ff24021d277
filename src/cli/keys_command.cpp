// `orvane-cli keys [--trace] TOKEN...`: drives the standard calculator's engine as the main
// window would, with voice, auto-copy and capture off at start and the easter-egg question
// answered No.
#include <CLI/CLI.hpp>
#include <cstdio>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "cli/arguments.h"
#include "cli/command_registry.h"
#include "engine/calculator.h"
#include "engine/key_names.h"
#include "engine/screen_texts.h"
#include "engine/tape.h"
#include "engine/tape_texts.h"

namespace {

using orvane::engine::Calculator;
using orvane::engine::Key;

constexpr const char* kUsage =
    "Drives the standard calculator. Tokens: 0..9 00 . sign back C AC + - * / = % sqrt\n"
    "MS M+ MR MC GT voice read rounding=none|cut|round decimals=0..4 autocopy=on|off\n"
    "autoload=on|off readback=on|off tick:TEXT reload check endcheck correct:N:TEXT\n"
    "Prints the final display, or with --trace one JSON object per token; --tape prints the\n"
    "tape instead (one line per step), --tape=csv as CSV.\n";

// What the window would do with the engine's effects, recorded for one token.
class Recorder : public orvane::engine::Effects {
  public:
    void play_clip(std::string_view name) override { clips.emplace_back(name); }
    void copy_to_clipboard(std::string_view text) override { clipboard = std::string(text); }
    void easter_egg() override { egg = true; }  // answered No: the window comes back

    void reset() {
        clips.clear();
        clipboard.reset();
        egg = false;
    }

    std::vector<std::string> clips;
    std::optional<std::string> clipboard;
    bool egg = false;
};

// The window as the tool sees it: the registers and the tape outlive every reload.
struct Session {
    orvane::engine::Registers registers;
    orvane::engine::Tape tape;
    Recorder recorder;
    std::unique_ptr<Calculator> calculator;
    bool refused = false;  // a correction was refused

    void open_window() {
        calculator = std::make_unique<Calculator>(registers, recorder);
        calculator->load(orvane::engine::LoadPresets{});
        calculator->attach_tape(&tape);
    }
};

using Action = std::function<void(Session&)>;

std::optional<Key> key_for_token(std::string_view token) {
    return orvane::engine::key_from_name(token);
}

std::optional<bool> on_off(std::string_view value) {
    if (value == "on") {
        return true;
    }
    if (value == "off") {
        return false;
    }
    return std::nullopt;
}

// "correct:N:TEXT": N counts the lines --tape prints, from 1.
std::optional<Action> correct_action(std::string_view token) {
    const std::string_view rest = token.substr(8);
    const auto colon = rest.find(':');
    if (colon == std::string_view::npos || colon == 0 || colon > 9) {
        return std::nullopt;
    }
    std::size_t line = 0;
    for (const char c : rest.substr(0, colon)) {
        if (c < '0' || c > '9') {
            return std::nullopt;
        }
        line = line * 10 + static_cast<std::size_t>(c - '0');
    }
    if (line == 0) {
        return std::nullopt;
    }
    return
        [line, text = std::string(rest.substr(colon + 1)), name = std::string(token)](Session& s) {
            const auto outcome = s.calculator->correct(line - 1, text);
            if (outcome != orvane::engine::Correction::done) {
                const auto& lines = s.tape.lines();
                const auto* shown = line <= lines.size() ? &lines[line - 1] : nullptr;
                std::fprintf(stderr, "orvane-cli keys: %s: %s\n", name.c_str(),
                             orvane::engine::correction_message(outcome, shown).c_str());
                s.refused = true;
            }
        };
}

std::optional<Action> action_for_token(std::string_view token) {
    if (const auto key = key_for_token(token)) {
        return [key = *key](Session& s) { s.calculator->press(key); };
    }
    if (token == "reload") {
        return [](Session& s) { s.open_window(); };
    }
    if (token == "check") {
        return [](Session& s) { s.calculator->start_check(); };
    }
    if (token == "endcheck") {
        return [](Session& s) { s.calculator->end_check(); };
    }
    if (token.starts_with("correct:")) {
        return correct_action(token);
    }
    if (token.starts_with("tick:")) {
        return
            [text = std::string(token.substr(5))](Session& s) { s.calculator->capture_tick(text); };
    }
    const auto equals_sign = token.find('=');
    if (equals_sign == std::string_view::npos || equals_sign == 0) {
        return std::nullopt;
    }
    const std::string_view name = token.substr(0, equals_sign);
    const std::string_view value = token.substr(equals_sign + 1);
    if (name == "rounding") {
        const auto mode = orvane::engine::rounding_from_word(value);
        if (!mode) {
            return std::nullopt;
        }
        return [m = *mode](Session& s) { s.calculator->set_rounding(m); };
    }
    if (name == "decimals") {
        if (value.size() != 1 || value[0] < '0' ||
            value[0] > '0' + orvane::engine::kListedDecimals) {
            return std::nullopt;
        }
        return [count = value[0] - '0'](Session& s) { s.calculator->set_decimals(count); };
    }
    if (name == "readback") {
        const auto on = on_off(value);
        if (!on) {
            return std::nullopt;
        }
        return [on = *on](Session& s) { s.calculator->set_read_results(on); };
    }
    if (name == "autocopy" || name == "autoload") {
        const auto ticked = on_off(value);
        if (!ticked) {
            return std::nullopt;
        }
        if (name == "autocopy") {
            return [t = *ticked](Session& s) { s.calculator->set_autocopy(t); };
        }
        return [t = *ticked](Session& s) { s.calculator->set_autoload(t); };
    }
    return std::nullopt;
}

nlohmann::ordered_json trace_line(std::string_view token, const Session& s) {
    const auto& controls = s.calculator->controls();
    const auto& registers = s.calculator->registers();
    nlohmann::ordered_json line;
    line["key"] = token;
    line["display"] = controls.display;
    line["sign"] =
        controls.sign_visible ? orvane::engine::operator_symbol(controls.sign) : std::string_view();
    line["memory"] = controls.memory;
    line["gt"] = controls.grand_total;
    line["accumulator"] = s.calculator->accumulator_text();
    line["pending_op"] = orvane::engine::operator_symbol(registers.pending_op);
    line["operand"] = registers.operand;
    line["last_operand"] = registers.last_operand;
    line["entry_active"] = controls.entry_active;
    line["result_shown"] = registers.result_shown;
    line["autoload"] = controls.autoload;
    line["clips"] = s.recorder.clips;
    line["clipboard"] =
        s.recorder.clipboard ? nlohmann::ordered_json(*s.recorder.clipboard) : nullptr;
    line["egg"] = s.recorder.egg;
    return line;
}

int run_keys(int argc, char** argv) {
    CLI::App app{kUsage, "orvane-cli keys"};
    bool trace = false;
    std::string tape_format;
    std::vector<std::string> tokens;
    app.add_flag("--trace", trace, "print one JSON object per token");
    app.add_flag("--tape{text}", tape_format, "print the tape (--tape=csv: as CSV)");
    app.add_option("TOKEN", tokens, "the keys and switches, one argument each");
    if (const auto exit_code = orvane::cli::parse_arguments(app, argc, argv)) {
        return *exit_code;
    }
    std::vector<std::pair<std::string, Action>> actions;
    for (const auto& token : tokens) {
        auto action = action_for_token(token);
        if (!action) {
            std::fprintf(stderr, "orvane-cli keys: invalid token '%s'\n\n%s", token.c_str(),
                         app.help().c_str());
            return 2;
        }
        actions.emplace_back(token, std::move(*action));
    }
    if (!tape_format.empty() && tape_format != "text" && tape_format != "csv") {
        std::fprintf(stderr, "orvane-cli keys: --tape takes text or csv, not '%s'\n\n%s",
                     tape_format.c_str(), app.help().c_str());
        return 2;
    }
    if (actions.empty()) {
        std::fprintf(stderr, "orvane-cli keys: no tokens given\n\n%s", app.help().c_str());
        return 2;
    }
    Session session;
    session.open_window();
    for (const auto& [token, action] : actions) {
        session.recorder.reset();
        action(session);
        if (trace) {
            std::printf("%s\n", trace_line(token, session).dump().c_str());
        }
    }
    if (tape_format == "csv") {
        std::fputs(
            orvane::engine::tape_csv(session.tape, orvane::engine::TapeCsvStyle::terminal).c_str(),
            stdout);
    } else if (!tape_format.empty()) {
        std::fputs(
            orvane::engine::tape_text(session.tape, orvane::engine::NumberStyle::grouped).c_str(),
            stdout);
    } else if (!trace) {
        std::printf("%s\n", session.calculator->controls().display.c_str());
    }
    return session.refused ? 1 : 0;
}

const orvane::cli::Registrar kRegistrar{
    {"keys", "drive the standard calculator with key tokens", &run_keys}};

}  // namespace
