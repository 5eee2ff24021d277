#include "ui/main/key_mapping.h"

#include "engine/keyboard.h"

namespace orvane {

std::optional<char16_t> typed_character(int qt_key, Qt::KeyboardModifiers modifiers,
                                        const QString& text) {
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier)) {
        return std::nullopt;
    }
    switch (qt_key) {
        case Qt::Key_Backspace:
            return u'\b';
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return u'\r';
        default:
            break;
    }
    // One printable UTF-16 unit; control characters (Escape, Delete, Tab) type nothing here.
    if (text.size() != 1) {
        return std::nullopt;
    }
    const char16_t unit = text.at(0).unicode();
    if (unit < 0x20 || unit == 0x7f) {
        return std::nullopt;
    }
    return unit;
}

std::optional<int> virtual_key_code(int qt_key) {
    if (qt_key >= Qt::Key_A && qt_key <= Qt::Key_Z) {
        return 'A' + (qt_key - Qt::Key_A);
    }
    if (qt_key >= Qt::Key_0 && qt_key <= Qt::Key_9) {
        return '0' + (qt_key - Qt::Key_0);
    }
    if (qt_key >= Qt::Key_F1 && qt_key <= Qt::Key_F12) {
        return engine::kVkF1 + (qt_key - Qt::Key_F1);
    }
    if (qt_key == Qt::Key_Delete) {
        return engine::kVkDelete;
    }
    return std::nullopt;
}

int modifier_bits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) {
        bits |= engine::kModShift;
    }
    if (modifiers & Qt::ControlModifier) {
        bits |= engine::kModCtrl;
    }
    if (modifiers & Qt::AltModifier) {
        bits |= engine::kModAlt;
    }
    return bits;
}

std::optional<ClipboardKey> clipboard_key(int qt_key, Qt::KeyboardModifiers modifiers) {
    const Qt::KeyboardModifiers held =
        modifiers & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if ((qt_key == Qt::Key_V && held == Qt::ControlModifier) ||
        (qt_key == Qt::Key_Insert && held == Qt::ShiftModifier)) {
        return ClipboardKey::paste;
    }
    if (qt_key == Qt::Key_Insert && held == Qt::ControlModifier) {
        return ClipboardKey::copy;
    }
    return std::nullopt;
}

}  // namespace orvane
