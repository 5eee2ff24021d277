// The standard calculator's computing core: registers, control state and every key
// operation, free of window code. The window binds Controls to its widgets and implements
// Effects; orvane-cli drives the same class.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "numeric/decimal.h"

namespace orvane::engine {

class Tape;
struct TapeEvent;
enum class LineKind : unsigned char;
enum class EntryOrigin : unsigned char;

// One click operation each; the keyboard tables map keys onto these.
enum class Key {
    digit0,
    digit1,
    digit2,
    digit3,
    digit4,
    digit5,
    digit6,
    digit7,
    digit8,
    digit9,
    double_zero,
    point,
    sign,
    backspace,
    clear,
    clear_all,
    add,
    subtract,
    multiply,
    divide,
    equals,
    percent,
    square_root,
    memory_store,
    memory_add,
    memory_read,
    memory_clear,
    grand_total,
    voice_switch,
    read_results_switch,  // 朗读结果: results are read aloud after their clip
    read_display,         // 朗读显示: the display read aloud now
};

// The first operand / running result: empty, the entry text that first filled it, a
// decimal after a computation, or a square root (binary double).
using Accumulator = std::variant<std::monostate, std::string, Decimal, double>;

// The operator the indicator shows, and the one an operation will apply.
enum class Operator { none, add, subtract, multiply, divide };

// How a computed result is written: as it comes (cut to the display), cut, or rounded to the
// chosen number of decimals.
enum class Rounding { none, cut, round };

// Display texts that are not numbers.
inline constexpr std::string_view kDivideByZeroText = "0不能为除数";
inline constexpr std::string_view kOverflowText = "溢出";
inline constexpr int kDisplayLimit = 12;
inline constexpr std::string_view kEasterEggTrigger = "19970314";

// Variables of the window object: they survive a switch to another calculator and back.
struct Registers {
    Accumulator accumulator;
    Operator pending_op = Operator::none;
    std::string operand;
    std::string last_operand;
    bool result_shown = false;
    bool root_taken = false;
    bool clear_via_c = false;
    bool voice_on = false;
    // Results read aloud (with voice on). A preference of the session like the voice itself,
    // so a switch to another calculator and back keeps it.
    bool read_results = false;
};

// What lives in the window's controls: every load of the window resets it.
struct Controls {
    std::string display;             // T_Show
    Operator sign = Operator::none;  // the operator indicator
    bool sign_visible = false;       // the indicator shown
    std::string memory;              // T_Memory
    std::string grand_total = "0";
    Rounding rounding = Rounding::none;  // the rounding list
    int decimals = 0;                    // the decimals list
    bool decimals_enabled = false;       // the decimals list enabled (not for Rounding::none)
    bool autocopy = false;               // C_AutoCopy
    bool autoload = false;               // C_AutoLoad (Timer1 runs exactly while true)
    bool voice_indicator = false;        // T_SoundSign shown
    bool entry_active = false;
    std::string clip_text;  // last capture tick's text, cut to 12 characters
};

// The options the window's load step applies after resetting its controls.
struct LoadPresets {
    bool voice = false;                // run the voice switch once
    bool autocopy = false;             // tick C_AutoCopy
    bool autoload = false;             // tick C_AutoLoad (its click operation runs)
    std::optional<Rounding> rounding;  // a mode, with `decimals`
    int decimals = 0;
};

// Side effects leave the engine through here; the window implements them, tests record them.
// They are delivered once the key has completed, in the order its steps raised them; a key
// that is ignored as a whole delivers none.
class Effects {
  public:
    virtual ~Effects() = default;
    // Called only while voice is on, with the lower-case clip name ("wav_5").
    virtual void play_clip(std::string_view /*name*/) {}
    // Called only while voice is on: clips heard back to back as one stream (a result and
    // its reading). Like one clip, it cuts off what is playing and the next clip cuts it off.
    // A recorder that does not tell the two apart hears each name as a clip, in order.
    virtual void play_sequence(std::span<const std::string_view> names) {
        for (const std::string_view name : names) {
            play_clip(name);
        }
    }
    // The clipboard emptied and `text` put on it as plain text.
    virtual void copy_to_clipboard(std::string_view /*text*/) {}
    // C_AutoLoad changed (its click operation): the capture timer starts or stops.
    virtual void autoload_changed(bool /*ticked*/) {}
    // Keyboard focus back to the main window.
    virtual void focus_window() {}
    // The display reads the easter-egg trigger after a digit step.
    virtual void easter_egg() {}
    // A number keyed in a check differs from the tape's: a warning the user notices without
    // looking at the screen.
    virtual void check_mismatch() {}
};

// What became of a correction on the tape.
enum class Correction { done, no_such_line, not_correctable, not_a_number };

class Calculator {
  public:
    Calculator(Registers& registers, Effects& effects);

    // The load step's engine part: controls reset, then the presets applied in order.
    void load(const LoadPresets& presets);

    // One click operation; a key whose conversion fails is ignored as a whole.
    void press(Key key);

    // Control changes made by the user (or by the program, which runs the same operation).
    void set_rounding(Rounding mode);  // the rounding list's click
    // The decimals list's choice; a count outside 0 to 28 is ignored.
    void set_decimals(int count);
    void set_autocopy(bool ticked);
    void set_autoload(bool ticked);
    // 朗读结果 set from its check item (F9 toggles it as a key).
    void set_read_results(bool on);

    // One tick of the capture timer with the clipboard's text (nullopt: no text / unreadable).
    void capture_tick(std::optional<std::string_view> clipboard_text);
    // A paste (Ctrl+V / Shift+Insert) of a clipboard text: read leniently and placed as an
    // entry with a capture's register effects; a text that is not a number is ignored.
    void paste(std::string_view clipboard_text);

    // The session's tape, or null (the default): nothing is recorded. An empty tape starts at
    // the present state; on a used one the attachment counts as a reload of the window.
    void attach_tape(Tape* tape);
    // Empties the tape (the user's 清空); it starts again at the present state.
    void clear_tape();
    // A check by re-keying: the numbers keyed until end_check (or AC) are compared with the
    // last calculation's numbers on the tape.
    void start_check();
    void end_check();
    // Replaces the number of tape line `index` (0-based) by `text` (read as a paste is) and
    // replays the session from its start or the last AC before that line through this engine.
    // The window sees only the outcome: the new display, and the clipboard with auto-copy on.
    Correction correct(std::size_t index, std::string_view text);

    const Controls& controls() const { return controls_; }
    const Registers& registers() const { return registers_; }
    // The accumulator's text form ("" when empty; a root in its 15-digit text form).
    std::string accumulator_text() const;

  private:
    // How a step ended: carry on, an error text was shown, or a conversion failed and the
    // whole key must be undone.
    enum class Step { go, error, ignored };
    // A captured or pasted number placed on the display as the entry.
    void place_entry(std::string number, LineKind kind);

    // A side effect held back until the key has completed, so that an ignored key leaves
    // no trace outside the engine either.
    struct PendingEffect {
        enum class Kind : unsigned char { clip, sequence, copy, autoload, focus, egg, mismatch };
        Kind kind = Kind::clip;
        std::string_view clip;
        std::string text;
        bool ticked = false;
        std::vector<std::string_view> clips;  // a sequence's clips
    };

    void run_key(Key key);
    Step run(Key key);
    void flush_effects();
    void play_clip(std::string_view name);
    // `lead` (if any) and then the reading of `text`, as one stream; nothing while voice is off.
    void play_reading(std::string_view lead, std::string_view text);
    void untick_autoload();
    void focus_window();

    // Number entry.
    void before_digit();
    void after_digit(bool cut_to_limit);
    void digit_key(char digit);
    void zero_key();
    void double_zero_key();
    void point_key();
    void sign_key();
    void backspace_key();
    void clear_key();
    void clear_all_key();

    // Operators, equals and the result.
    Step operator_key(Operator op, std::string_view clip);
    Step operator_step();
    Step apply_pending();
    Step equals();
    Step format_result();
    void show_error(std::string_view text);
    Step add_display_to_grand_total();

    // One-operand keys, memory and the voice switch.
    Step percent_key();
    Step square_root_key();
    void memory_store();
    Step memory_add();
    void memory_read();
    void memory_clear();
    void grand_total_key();
    void voice_switch();

    bool accumulator_empty() const;
    std::optional<Decimal> accumulator_value() const;

    // The tape's side: every hook returns at once without a tape.
    enum class Setting : unsigned char { rounding, decimals, autocopy, autoload };
    bool recording() const;
    void record_key(Key key);
    void record_setting(Setting setting, int value);
    void record_event(TapeEvent event);
    void note(LineKind kind, std::string value);
    void note_number(std::string_view value);
    void begin_entry(EntryOrigin origin);
    void remember_sign_key();
    // C cleared the entry: the number keyed next is a new one on the tape.
    void restart_entry();
    bool entry_was_cleared() const;
    void note_sign_start();
    void finish_tape_step(Key key);
    bool commit_lines();
    void drop_tape_step();
    void replay_from(std::uint64_t position);
    void place_correction(const std::string& text);

    Registers& registers_;
    Effects* effects_;
    Controls controls_;
    std::vector<PendingEffect> queue_;
    LoadPresets presets_;  // of the last load, recorded when a tape is attached
    Tape* tape_ = nullptr;
    std::uint64_t position_ = 0;  // the running key's place in the key stream
    Key current_key_ = Key::equals;
    bool result_due_ = false;    // the running key produced a result line
    bool number_noted_ = false;  // the running key already wrote its entry
};

}  // namespace orvane::engine
