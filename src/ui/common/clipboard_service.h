// The desktop's clipboard (the X11 CLIPBOARD selection through Qt), plain text only.
#pragma once

#include <QString>
#include <optional>

namespace orvane {

// Empties the clipboard and puts `text` on it as plain text.
void copy_to_clipboard(const QString& text);

// The clipboard's plain text; nullopt when it holds no text or cannot be read.
std::optional<QString> clipboard_text();

}  // namespace orvane
