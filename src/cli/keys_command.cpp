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

namespace {

using orvane::engine::Calculator;
using orvane::engine::Key;

constexpr const char* kUsage =
    "Drives the standard calculator. Tokens: 0..9 00 . sign back C AC + - * / = % sqrt\n"
    "MS M+ MR MC GT voice read rounding=none|cut|round decimals=0..4 autocopy=on|off\n"
    "autoload=on|off readback=on|off tick:TEXT reload\n"
    "Prints the final display, or with --trace one JSON object per token.\n";

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

// The window as the tool sees it: the registers outlive every reload.
struct Session {
    orvane::engine::Registers registers;
    Recorder recorder;
    std::unique_ptr<Calculator> calculator;

    void open_window() {
        calculator = std::make_unique<Calculator>(registers, recorder);
        calculator->load(orvane::engine::LoadPresets{});
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

std::optional<Action> action_for_token(std::string_view token) {
    if (const auto key = key_for_token(token)) {
        return [key = *key](Session& s) { s.calculator->press(key); };
    }
    if (token == "reload") {
        return [](Session& s) { s.open_window(); };
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
    std::vector<std::string> tokens;
    app.add_flag("--trace", trace, "print one JSON object per token");
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
    if (!trace) {
        std::printf("%s\n", session.calculator->controls().display.c_str());
    }
    return 0;
}

const orvane::cli::Registrar kRegistrar{
    {"keys", "drive the standard calculator with key tokens", &run_keys}};

}  // namespace
