// The keyboard: the window's native window sees every key event before any control does,
// whichever control has the focus; each key runs the click operation its table names.
#include <QKeyEvent>
#include <QWindow>

#include "engine/keyboard.h"
#include "ui/common/calculator_switch.h"
#include "ui/common/clipboard_service.h"
#include "ui/main/key_mapping.h"
#include "ui/main/tallybox.h"

namespace orvane {

void Tallybox::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The native window may have been recreated (a frame change); installing again is
    // harmless, an installed filter is only moved to the front.
    if (QWindow* window = windowHandle()) {
        window->installEventFilter(this);
    }
}

bool Tallybox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle()) {
        if (event->type() == QEvent::KeyPress) {
            handle_key_press(static_cast<const QKeyEvent&>(*event));
        } else if (event->type() == QEvent::KeyRelease) {
            handle_key_release(static_cast<const QKeyEvent&>(*event));
        }
    }
    // Keys are never swallowed: the focused control still gets them.
    return QWidget::eventFilter(watched, event);
}

void Tallybox::handle_key_press(const QKeyEvent& event) {
    if (event.key() == Qt::Key_Escape) {
        // AC is the window's cancel button.
        press(engine::Key::clear_all);
        return;
    }
    if (const std::optional<ClipboardKey> clip = clipboard_key(event.key(), event.modifiers())) {
        if (event.isAutoRepeat()) {
            return;
        }
        if (*clip == ClipboardKey::copy) {
            orvane::copy_to_clipboard(QString::fromStdString(calculator_.controls().display));
        } else {
            paste();
        }
        return;
    }
    // Characters repeat with the key held.
    const std::optional<char16_t> character =
        typed_character(event.key(), event.modifiers(), event.text());
    if (!character) {
        return;
    }
    if (const std::optional<engine::Key> key = engine::key_for_character(*character)) {
        press(*key);
    }
}

void Tallybox::handle_key_release(const QKeyEvent& event) {
    if (event.isAutoRepeat()) {
        return;  // a held key acts once, when it is let go
    }
    if (const auto target = switch_target_for_key(event.key(), CalculatorKind::standard)) {
        request_switch(*target);
        return;
    }
    const std::optional<int> code = virtual_key_code(event.key());
    if (!code) {
        return;
    }
    if (const std::optional<engine::Command> command =
            engine::command_for_release(*code, modifier_bits(event.modifiers()))) {
        run_command(*command);
    }
}

}  // namespace orvane
