// The tape's bookkeeping: lines within the cap, the key stream and the snapshots a
// correction replays from, and the comparison of a check.
#include "engine/tape.h"

#include <algorithm>
#include <utility>

#include "numeric/decimal.h"

namespace orvane::engine {
namespace {

bool separates_calculations(LineKind kind) {
    return kind == LineKind::clear_all || kind == LineKind::clear || kind == LineKind::check;
}

// "5." and "5" are the same number; a text that is no number only equals itself.
bool same_number(const std::string& a, const std::string& b) {
    if (a == b) {
        return true;
    }
    const auto x = Decimal::parse(a);
    const auto y = Decimal::parse(b);
    return x && y && *x == *y;
}

}  // namespace

std::optional<std::size_t> Tape::take_changes() {
    return std::exchange(changed_from_, std::nullopt);
}

void Tape::note_change(std::size_t index) {
    if (!changed_from_ || index < *changed_from_) {
        changed_from_ = index;
    }
}

std::uint64_t Tape::record(TapeEvent event) {
    events_.push_back(std::move(event));
    return event_count() - 1;
}

bool Tape::add(TapeLine line) {
    if (check_) {
        // A check compares the numbers keyed again; everything else leaves the tape alone.
        if (line.kind != LineKind::number) {
            return false;
        }
        const std::size_t item = check_->keyed++;
        if (item >= check_->reference.size()) {
            check_->differing.push_back(static_cast<int>(item + 1));
            return true;
        }
        const std::uint64_t absolute = check_->reference[item];
        if (absolute < dropped_) {
            return false;  // the line went past the cap meanwhile
        }
        const auto index = static_cast<std::size_t>(absolute - dropped_);
        TapeLine& reference = lines_[index];
        note_change(index);
        if (same_number(reference.value, line.value)) {
            reference.check = CheckMark::agrees;
            reference.checked_value.clear();
            return false;
        }
        reference.check = CheckMark::differs;
        reference.checked_value = line.value;
        check_->differing.push_back(static_cast<int>(item + 1));
        return true;
    }
    switch (line.kind) {
        case LineKind::number:
            ++items_;
            break;
        case LineKind::result:
            line.items = items_;
            items_ = 0;
            break;
        case LineKind::clear:
        case LineKind::clear_all:
            items_ = 0;
            break;
        default:
            break;
    }
    lines_.push_back(std::move(line));
    note_change(lines_.size() - 1);
    while (lines_.size() > line_cap_) {
        lines_.pop_front();
        ++dropped_;
        if (changed_from_ && *changed_from_ > 0) {
            --*changed_from_;  // the same line, one place further up
        }
    }
    if (!replaying_) {
        trim_history();
    }
    return false;
}

// The numbers of the last calculation on the tape: back over trailing separators, then up to
// the separator before them.
void Tape::start_check() {
    CheckState state;
    std::size_t end = lines_.size();
    while (end > 0 && separates_calculations(lines_[end - 1].kind)) {
        --end;
    }
    std::size_t begin = end;
    while (begin > 0 && !separates_calculations(lines_[begin - 1].kind)) {
        --begin;
    }
    for (std::size_t i = begin; i < end; ++i) {
        TapeLine& line = lines_[i];
        if (line.kind == LineKind::number) {
            state.reference.push_back(dropped_ + i);
            if (line.check != CheckMark::none) {
                line.check = CheckMark::none;
                line.checked_value.clear();
                note_change(i);
            }
        }
    }
    check_ = std::move(state);
}

TapeLine Tape::end_check() {
    CheckState state = std::move(*check_);
    check_.reset();
    // Reference numbers not keyed again differ too.
    for (std::size_t item = state.keyed; item < state.reference.size(); ++item) {
        state.differing.push_back(static_cast<int>(item + 1));
    }
    TapeLine line;
    line.kind = LineKind::check;
    line.differing = std::move(state.differing);
    return line;
}

void Tape::reset(const Registers& registers, const Controls& controls) {
    lines_.clear();
    dropped_ = 0;
    items_ = 0;
    changed_from_ = 0;
    events_.clear();
    first_event_ = 0;
    snapshots_.clear();
    corrections_.clear();
    check_.reset();
    entry_origin_ = EntryOrigin::unknown;
    entry_cleared_ = false;
    sign_key_.reset();
    take_snapshot(registers, controls);
}

void Tape::take_snapshot(const Registers& registers, const Controls& controls) {
    snapshots_.push_back({event_count(), dropped_ + lines_.size(), registers, controls});
}

void Tape::truncate_lines(std::uint64_t line_count) {
    if (line_count < dropped_) {
        // Replaying from before the cap's edge: the lines come again and go again.
        lines_.clear();
        dropped_ = line_count;
        changed_from_ = 0;
        return;
    }
    const auto keep = static_cast<std::size_t>(line_count - dropped_);
    if (keep < lines_.size()) {
        lines_.resize(keep);
        note_change(keep);
    }
}

// Keys before the last snapshot that lies before the first line kept can no longer be
// replayed for any line on the tape.
void Tape::trim_history() {
    if (snapshots_.size() < 2 || snapshots_[1].line_count > dropped_) {
        return;
    }
    auto usable = snapshots_.begin();
    while (std::next(usable) != snapshots_.end() && std::next(usable)->line_count <= dropped_) {
        ++usable;
    }
    const std::uint64_t from = usable->position;
    snapshots_.erase(snapshots_.begin(), usable);
    while (first_event_ < from && !events_.empty()) {
        events_.pop_front();
        ++first_event_;
    }
    corrections_.erase(corrections_.begin(), corrections_.lower_bound(from));
}

}  // namespace orvane::engine
