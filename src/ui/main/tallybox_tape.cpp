// The calculator's side of the tape window: F8, the requests of the panel (correct, check,
// clear) carried out on the engine, and the check's warning.
#include <QApplication>

#include "engine/tape_texts.h"
#include "ui/main/tallybox.h"
#include "ui/main/tape/tape_panel.h"

namespace orvane {

void Tallybox::attach_tape(engine::Tape& tape) {
    tape_ = &tape;
    calculator_.attach_tape(tape_);
}

void Tallybox::toggle_tape() {
    if (tape_ == nullptr) {
        own_tape_ = std::make_unique<engine::Tape>();
        attach_tape(*own_tape_);
    }
    if (tape_panel_ == nullptr) {
        // Built on first use: the tape costs nothing at start-up.
        tape_panel_ = new TapePanel(*tape_, this);
        connect(tape_panel_, &TapePanel::correction_requested, this,
                [this](int line, const QString& text) {
                    const QByteArray utf8 = text.toUtf8();
                    const auto outcome = calculator_.correct(
                        static_cast<std::size_t>(line),
                        std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
                    const auto& lines = tape_->lines();
                    const auto* shown = static_cast<std::size_t>(line) < lines.size()
                                            ? &lines[static_cast<std::size_t>(line)]
                                            : nullptr;
                    const std::string message = engine::correction_message(outcome, shown);
                    tape_panel_->show_message(
                        QString::fromUtf8(message.data(), static_cast<qsizetype>(message.size())));
                    refresh();
                });
        connect(tape_panel_, &TapePanel::check_toggled, this, [this] {
            if (tape_->checking()) {
                calculator_.end_check();
            } else {
                calculator_.start_check();
            }
            refresh();
        });
        connect(tape_panel_, &TapePanel::clear_requested, this, [this] {
            calculator_.clear_tape();
            refresh();
        });
    }
    tape_panel_->set_wanted(!tape_panel_->wanted());
    if (!tape_panel_->wanted()) {
        take_keyboard_focus();
    }
}

// Only an open panel follows the keys; a closed one catches up when it opens.
void Tallybox::sync_tape() {
    if (tape_panel_ != nullptr && tape_panel_->wanted()) {
        tape_panel_->sync();
    }
}

// Heard without looking: the voice says so when it is on, otherwise the desktop beeps.
void Tallybox::check_mismatch() {
    if (calculator_.registers().voice_on) {
        play_clip("wav_budui");
    } else {
        QApplication::beep();
    }
}

}  // namespace orvane
