#include "ui/common/x11_clipboard_reader.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <QClipboard>
#include <QGuiApplication>
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "ui/common/clipboard_service.h"
#include "ui/common/x11_selection_fetch.h"

namespace orvane {
namespace {

std::size_t slot(ClipboardReader::Purpose purpose) {
    return purpose == ClipboardReader::Purpose::capture ? 0 : 1;
}

QString decoded(const SelectionFetch::Result& result) {
    const auto size = static_cast<qsizetype>(result.bytes.size());
    return result.latin1 ? QString::fromLatin1(result.bytes.data(), size)
                         : QString::fromUtf8(result.bytes.data(), size);
}

}  // namespace

X11ClipboardReader::X11ClipboardReader(std::string display_name, std::chrono::milliseconds patience)
    : display_name_(std::move(display_name)),
      patience_(patience),
      wake_fd_(eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)) {}

X11ClipboardReader::~X11ClipboardReader() {
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    requested_.notify_one();
    if (wake_fd_ >= 0) {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = write(wake_fd_, &one, sizeof one);
    }
    if (worker_.joinable()) {
        worker_.join();
    }
    if (wake_fd_ >= 0) {
        close(wake_fd_);
    }
}

void X11ClipboardReader::read_text(Purpose purpose, Answer answer) {
    Answer& waiting = waiting_.at(slot(purpose));
    if (waiting) {
        return;  // the read before is still under way
    }
    // The program's own text (an auto-copied result) is answered by the toolkit without
    // asking another client.
    if (const QClipboard* clipboard = QGuiApplication::clipboard();
        clipboard != nullptr && clipboard->ownsClipboard()) {
        if (const std::optional<QString> text = clipboard_text()) {
            answer(*text);
        }
        return;
    }
    waiting = std::move(answer);
    {
        const std::lock_guard lock(mutex_);
        requests_.push_back(purpose);
    }
    requested_.notify_one();
    if (!worker_.joinable()) {
        worker_ = std::thread([this] { fetch_loop(); });
    }
}

void X11ClipboardReader::fetch_loop() {
    std::unique_ptr<SelectionFetch> fetch;
    for (;;) {
        Purpose purpose{};
        {
            std::unique_lock lock(mutex_);
            requested_.wait(lock, [this] { return stopping_ || !requests_.empty(); });
            if (stopping_) {
                return;
            }
            purpose = requests_.front();
            requests_.pop_front();
        }
        if (!fetch || !fetch->connected()) {
            fetch = std::make_unique<SelectionFetch>(display_name_);
        }
        const SelectionFetch::Result result = fetch->fetch(patience_, wake_fd_);
        if (result.outcome == SelectionFetch::Outcome::interrupted) {
            return;
        }
        const bool read = result.outcome == SelectionFetch::Outcome::text;
        QString text = read ? decoded(result) : QString();
        // Queued to this object: dropped with it if the window is gone by then.
        QMetaObject::invokeMethod(
            this, [this, purpose, text = std::move(text), read] { finish(purpose, text, read); },
            Qt::QueuedConnection);
    }
}

void X11ClipboardReader::finish(Purpose purpose, const QString& text, bool read) {
    const Answer answer = std::exchange(waiting_.at(slot(purpose)), Answer{});
    if (read && answer) {
        answer(text);
    }
}

}  // namespace orvane
