#include "ui/expression/typing_batcher.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <utility>

namespace orvane::expression {

bool is_modifier_key(int key) {
    switch (key) {
        case Qt::Key_Shift:
        case Qt::Key_Control:
        case Qt::Key_Alt:
        case Qt::Key_AltGr:
        case Qt::Key_Meta:
        case Qt::Key_Super_L:
        case Qt::Key_Super_R:
        case Qt::Key_Hyper_L:
        case Qt::Key_Hyper_R:
        case Qt::Key_CapsLock:
        case Qt::Key_NumLock:
        case Qt::Key_Mode_switch:
            return true;
        default:
            return false;
    }
}

bool is_typed_text(const QString& text, Qt::KeyboardModifiers modifiers) {
    constexpr Qt::KeyboardModifiers kCommand =
        Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    return !text.isEmpty() && (modifiers & kCommand) == Qt::NoModifier &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isPrint(); });
}

TypingBatcher::TypingBatcher(QLineEdit* box) : QObject(box), box_(box) {
    box->installEventFilter(this);
}

void TypingBatcher::flush() {
    if (!waiting_.isEmpty()) {
        // Replaces a selection and moves the caret as typing the characters one by one would.
        box_->insert(std::exchange(waiting_, QString()));
    }
}

bool TypingBatcher::eventFilter(QObject* watched, QEvent* event) {
    if (watched != box_) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyPress: {
            const auto* key = static_cast<const QKeyEvent*>(event);
            if (!box_->isReadOnly() && is_typed_text(key->text(), key->modifiers())) {
                if (waiting_.isEmpty()) {
                    // Runs once the keys already queued have been seen.
                    QMetaObject::invokeMethod(this, &TypingBatcher::flush, Qt::QueuedConnection);
                }
                waiting_ += key->text();
                return true;
            }
            // Shift pressed for the next "+" edits nothing: the batch goes on.
            if (!is_modifier_key(key->key())) {
                flush();
            }
            return false;
        }
        case QEvent::InputMethod:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::ContextMenu:
        case QEvent::FocusOut:
        case QEvent::Drop:
            flush();
            return false;
        default:
            return false;
    }
}

}  // namespace orvane::expression
