// The session's record of what was keyed, one line per step as a printing calculator writes
// it, together with the key stream that produced it (for corrections by replay) and the state
// of a check by re-keying. The calculator fills it; windows and orvane-cli only read it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "engine/calculator.h"

namespace orvane::engine {

enum class LineKind : unsigned char {
    number,       // an entry taking part in an operation; `key` is the key that followed it
    carried,      // a result carried into the next operation; `key` is the operator
    result,       // a result of ＝, ％ or √ (`key`)
    memory,       // MS, M+, MR or MC (`key`) with the value concerned
    grand_total,  // GT with the grand total
    clear_entry,  // C while an entry was being keyed
    clear,        // C clearing the calculation (the grand total kept)
    clear_all,    // AC: a separator
    error,        // division by zero or overflow; `value` is the display's text
    capture,      // a number placed from the clipboard by the capture timer
    paste,        // a number pasted from the clipboard
    check,        // the end of a check: `differing` empty when everything agreed
};

// Where an entry's number came from; only typed and clipboard numbers can be corrected.
enum class EntryOrigin : unsigned char { typed, clipboard, recalled, unknown };

enum class CheckMark : unsigned char { none, agrees, differs };

struct TapeLine {
    LineKind kind = LineKind::number;
    Key key = Key::equals;
    std::string value;           // the exact decimal text (no separators), or a message text
    std::uint64_t position = 0;  // the index of its key in the session's key stream
    int items = 0;               // result lines: numbers entered since the previous result
    // Number lines: the first key of the entry and where the number came from.
    std::uint64_t entry_begin = 0;
    EntryOrigin origin = EntryOrigin::unknown;
    bool corrected = false;   // the entry was replaced by a correction; `original` is the old
    bool recomputed = false;  // a result or value that follows a corrected entry
    std::string original;
    CheckMark check = CheckMark::none;
    std::string checked_value;   // the number keyed in the check, when it differs
    std::vector<int> differing;  // check lines: the item numbers that differed (1-based)

    bool operator==(const TapeLine&) const = default;
};

// One input of the session, as the calculator received it.
struct TapeEvent {
    enum class Type : unsigned char {
        key,
        tick,
        paste,
        rounding,
        decimals,
        autocopy,
        autoload,
        load,
        check_start,
        check_end
    };
    TapeEvent() = default;
    explicit TapeEvent(Type event_type, Key event_key = Key::equals)
        : type(event_type), key(event_key) {}

    Type type = Type::key;
    Key key = Key::equals;
    int number = 0;  // rounding mode, decimals, a ticked box, or 1 for a tick with no text
    std::string text;
    LoadPresets presets;
};

class Tape {
  public:
    // At least this many lines are kept; older ones are dropped and counted.
    static constexpr std::size_t kLineCap = 10'000;

    explicit Tape(std::size_t line_cap = kLineCap) : line_cap_(line_cap) {}

    const std::deque<TapeLine>& lines() const { return lines_; }
    // Lines dropped at the front to keep within the cap since the tape was last emptied.
    std::uint64_t dropped() const { return dropped_; }
    // Numbers entered since the last result.
    int items() const { return items_; }
    bool checking() const { return check_.has_value(); }
    // The lowest line index changed (marks, a correction) or added since the last call;
    // nullopt when nothing changed. Lets a view refresh only what moved.
    std::optional<std::size_t> take_changes();
    std::uint64_t event_count() const { return first_event_ + events_.size(); }

  private:
    friend class Calculator;

    struct Snapshot {
        std::uint64_t position = 0;    // the first event replayed from here
        std::uint64_t line_count = 0;  // lines written before it (dropped ones included)
        Registers registers;
        Controls controls;
    };
    struct Replacement {
        std::uint64_t end = 0;  // the key that used the entry
        std::string text;
        std::string original;
    };
    struct CheckState {
        std::vector<std::size_t> reference;  // absolute line numbers of the checked numbers
        std::size_t keyed = 0;
        std::vector<int> differing;
    };

    std::uint64_t record(TapeEvent event);
    // Adds a line (or, during a check, compares a number); true when a checked number
    // differed.
    bool add(TapeLine line);
    void start_check();
    TapeLine end_check();
    void reset(const Registers& registers, const Controls& controls);
    void take_snapshot(const Registers& registers, const Controls& controls);
    void truncate_lines(std::uint64_t line_count);
    void note_change(std::size_t index);
    void trim_history();
    const TapeEvent& event_at(std::uint64_t position) const {
        return events_[static_cast<std::size_t>(position - first_event_)];
    }

    std::size_t line_cap_;
    std::deque<TapeLine> lines_;
    std::uint64_t dropped_ = 0;
    int items_ = 0;
    std::optional<std::size_t> changed_from_;
    std::deque<TapeEvent> events_;
    std::uint64_t first_event_ = 0;
    std::deque<Snapshot> snapshots_;                    // the session's start, then after every AC
    std::map<std::uint64_t, Replacement> corrections_;  // by the entry's first key
    std::optional<CheckState> check_;
    // The entry being keyed: its first key and where its number came from.
    std::uint64_t entry_begin_ = 0;
    EntryOrigin entry_origin_ = EntryOrigin::unknown;
    bool entry_cleared_ = false;  // C emptied the entry being keyed
    // The sign key pressed outside an entry, while only sign and backspace keys followed.
    std::optional<std::uint64_t> sign_key_;
    std::vector<TapeLine> pending_;  // written by the running key
    bool replaying_ = false;
    bool after_correction_ = false;  // a replay has passed a corrected entry
};

}  // namespace orvane::engine
