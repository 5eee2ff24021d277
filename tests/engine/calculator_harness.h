// Drives the engine as the main window would and records what leaves it, so that tests can
// be written as key sequences: "5 + 3 *@ 2 =@" presses the keys and collects the display
// after every token marked with "@".
#pragma once

#include <charconv>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "engine/calculator.h"
#include "engine/key_names.h"
#include "engine/screen_texts.h"
#include "engine/tape.h"

namespace orvane::engine::testing {

class Recorder : public Effects {
  public:
    void play_clip(std::string_view name) override { clips.emplace_back(name); }
    // Each name joins `clips` too, so a clip list reads the same either way.
    void play_sequence(std::span<const std::string_view> names) override {
        sequences.emplace_back(names.begin(), names.end());
        clips.insert(clips.end(), names.begin(), names.end());
    }
    void copy_to_clipboard(std::string_view text) override { copies.emplace_back(text); }
    void autoload_changed(bool ticked) override {
        autoload_changes.push_back(ticked);
        timer_running = ticked;
    }
    void focus_window() override { ++focus_requests; }
    void easter_egg() override { ++eggs; }
    void check_mismatch() override { ++mismatches; }

    void reset_log() {
        clips.clear();
        sequences.clear();
        copies.clear();
        autoload_changes.clear();
        focus_requests = 0;
        eggs = 0;
        mismatches = 0;
    }

    std::vector<std::string> clips;
    std::vector<std::vector<std::string>> sequences;
    std::vector<std::string> copies;
    std::vector<bool> autoload_changes;
    int focus_requests = 0;
    int eggs = 0;
    int mismatches = 0;
    bool timer_running = false;
};

inline std::optional<Key> key_named(std::string_view name) {
    return key_from_name(name);
}

// Writes the digits of a number as separate keys: digits("123") == "1 2 3".
inline std::string digits(std::string_view number) {
    std::string out;
    for (const char c : number) {
        if (!out.empty()) {
            out += ' ';
        }
        out += c;
    }
    return out;
}

class Harness {
  public:
    // With a tape, the window records onto it from the start and after every reload.
    explicit Harness(const LoadPresets& presets = {}, Tape* session_tape = nullptr)
        : tape(session_tape) {
        reload(presets);
    }

    // The window is created afresh with the same registers (a switch away and back).
    void reload(const LoadPresets& presets = {}) {
        recorder.timer_running = false;  // the old window's timer went with it
        calculator = std::make_unique<Calculator>(registers, recorder);
        calculator->load(presets);
        calculator->attach_tape(tape);
    }

    // Runs one token; returns false for a token the harness does not know.
    bool token(std::string_view name) {
        if (const auto key = key_named(name)) {
            calculator->press(*key);
        } else if (name == "reload") {
            reload();
        } else if (name.starts_with("tick:")) {
            calculator->capture_tick(name.substr(5));
        } else if (name.starts_with("paste:")) {
            calculator->paste(name.substr(6));
        } else if (name == "check") {
            calculator->start_check();
        } else if (name == "endcheck") {
            calculator->end_check();
        } else if (name.starts_with("rounding=")) {
            const auto mode = rounding_from_word(name.substr(9));
            if (!mode) {
                return false;
            }
            calculator->set_rounding(*mode);
        } else if (name.starts_with("decimals=")) {
            const auto text = name.substr(9);
            int count = 0;
            if (std::from_chars(text.data(), text.data() + text.size(), count).ec != std::errc{}) {
                return false;
            }
            calculator->set_decimals(count);
        } else if (name == "autocopy=on" || name == "autocopy=off") {
            calculator->set_autocopy(name.ends_with("on"));
        } else if (name == "autoload=on" || name == "autoload=off") {
            calculator->set_autoload(name.ends_with("on"));
        } else if (name == "readback=on" || name == "readback=off") {
            calculator->set_read_results(name.ends_with("on"));
        } else {
            return false;
        }
        return true;
    }

    // Runs space-separated tokens; returns the displays after the tokens marked "@".
    std::vector<std::string> run(std::string_view tokens) {
        std::vector<std::string> shown;
        std::istringstream in{std::string(tokens)};
        std::string name;
        while (in >> name) {
            const bool marked = name.size() > 1 && name.back() == '@';
            if (marked) {
                name.pop_back();
            }
            recorder.reset_log();
            if (!token(name)) {
                ADD_FAILURE() << "unknown token " << name;
            }
            if (marked) {
                shown.push_back(display());
            }
        }
        return shown;
    }

    const Controls& controls() const { return calculator->controls(); }
    const std::string& display() const { return calculator->controls().display; }

    Registers registers;
    Recorder recorder;
    Tape* tape = nullptr;
    std::unique_ptr<Calculator> calculator;
};

}  // namespace orvane::engine::testing
