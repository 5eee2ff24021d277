#include "ui/common/clipboard_service.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace orvane {

void copy_to_clipboard(const QString& text) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return;
    }
    clipboard->clear();
    clipboard->setText(text);
}

std::optional<QString> clipboard_text() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard == nullptr) {
        return std::nullopt;
    }
    const QMimeData* data = clipboard->mimeData();
    if (data == nullptr || !data->hasText()) {
        return std::nullopt;
    }
    return data->text();
}

}  // namespace orvane
