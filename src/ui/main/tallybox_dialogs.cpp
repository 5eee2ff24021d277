// The feedback message and the easter egg: both put a message box in the calculator's place.
#include <QMessageBox>
#include <QTimer>

#include "ui/common/clipboard_reader.h"
#include "ui/egg/color_egg.h"
#include "ui/egg/egg_texts.h"
#include "ui/main/main_texts.h"
#include "ui/main/tallybox.h"

namespace orvane {

namespace {

// The calculator is hidden while a box is open: closing the box must not end the program.
void prepare(QMessageBox& box) {
    box.setAttribute(Qt::WA_QuitOnClose, false);
    box.setWindowFlag(Qt::WindowStaysOnTopHint);
}

void inform(const QString& title, const QString& text) {
    QMessageBox box(QMessageBox::Information, title, text, QMessageBox::Ok);
    prepare(box);
    box.exec();
}

bool ask(const QString& title, const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Question, title, shown, QMessageBox::Yes | QMessageBox::No);
    prepare(box);
    return box.exec() == QMessageBox::Yes;
}

}  // namespace

void Tallybox::show_again() {
    show();
    raise();
    take_keyboard_focus();
}

// Command1: hide, thank the user, come back in the same place and state.
void Tallybox::ask_feedback() {
    hide();
    if (inform_box_) {
        inform_box_(kFeedbackTitle, kFeedbackText);
    } else {
        inform(kFeedbackTitle, kFeedbackText);
    }
    show_again();
}

// Asked from inside a digit key's operation: no capture tick may run in the engine before
// that operation has finished, so the timer rests while the question is open, and a clipboard
// read under way is dropped with its reader, whose answer would otherwise arrive meanwhile.
void Tallybox::easter_egg() {
    const bool capturing = capture_timer_->isActive();
    capture_timer_->stop();
    clipboard_reader_.reset();
    hide();
    const bool yes =
        question_box_ ? question_box_(kEggTitle, kEggQuestion) : ask(kEggTitle, kEggQuestion);
    if (yes) {
        show_color_egg();
    } else {
        show_again();
    }
    if (capturing) {
        capture_timer_->start();
    }
}

void Tallybox::show_color_egg() {
    if (!color_egg_) {
        color_egg_ = std::make_unique<ColorEgg>();
        connect(color_egg_.get(), &ColorEgg::closed, this, &Tallybox::show_again);
    }
    // The egg takes the calculator's place on the screen.
    QRect area = color_egg_->frameGeometry();
    area.moveCenter(frameGeometry().center());
    color_egg_->move(area.topLeft());
    color_egg_->show();
    color_egg_->raise();
    color_egg_->activateWindow();
}

}  // namespace orvane
