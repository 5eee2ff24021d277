#include "app/window_switcher.h"

#include <utility>

#include "app/options.h"

namespace orvane::app {

WindowSwitcher::WindowSwitcher(StartupValues values, Factory factory, QObject* parent)
    : QObject(parent), values_(std::move(values)), factory_(std::move(factory)) {}

WindowSwitcher::~WindowSwitcher() {
    // Windows still alive at the end are destroyed with their owner, silently.
    current_object_ = nullptr;
    delete std::exchange(current_, nullptr);
    for (const auto& window : unloading_) {
        delete window.data();
    }
}

std::optional<CalculatorKind> WindowSwitcher::current_kind() const {
    if (current_ == nullptr) {
        return std::nullopt;
    }
    return current_kind_;
}

void WindowSwitcher::start(CalculatorKind first) {
    if (current_ == nullptr) {
        show_new(first);
    }
}

void WindowSwitcher::switch_to(CalculatorKind target) {
    if (current_ != nullptr && current_kind_ == target) {
        return;
    }
    if (current_ != nullptr) {
        unload(std::exchange(current_, nullptr));
    }
    show_new(target);
}

void WindowSwitcher::exit_program() {
    if (current_ != nullptr) {
        unload(std::exchange(current_, nullptr));
    }
    emit finished();
}

void WindowSwitcher::show_new(CalculatorKind kind) {
    QWidget* window = factory_(kind, *this);
    if (window == nullptr) {
        current_object_ = nullptr;
        emit finished();
        return;
    }
    current_ = window;
    current_object_ = window;
    current_kind_ = kind;
    // Closing a window unloads it: it is destroyed after its handlers have returned.
    window->setAttribute(Qt::WA_DeleteOnClose);
    // The X11 window role names the window for desktop tools and the end-to-end tests; the
    // main window's caption stays empty.
    window->setWindowRole(QString::fromUtf8(window_name(kind).data(),
                                            static_cast<qsizetype>(window_name(kind).size())));
    connect(window, &QObject::destroyed, this, &WindowSwitcher::window_destroyed);
    window->show();
    // Some window managers do not focus a newly mapped borderless window by themselves: ask
    // for it, so typing goes on in the new window without a click.
    window->raise();
    window->activateWindow();
    emit window_shown(window, kind);
}

void WindowSwitcher::unload(QWidget* window) {
    current_object_ = nullptr;
    unloading_.emplace_back(window);
    std::erase_if(unloading_, [](const QPointer<QWidget>& w) { return w.isNull(); });
    // close() runs the window's close step; with WA_DeleteOnClose it also schedules deletion.
    // A window that refuses to close is hidden and destroyed all the same.
    if (!window->close()) {
        window->hide();
        window->deleteLater();
    }
}

void WindowSwitcher::window_destroyed(QObject* window) {
    // Only the loss of the current window (closed by the user) ends the program; windows
    // left by a switch are no longer current when they go.
    if (window != nullptr && window == current_object_) {
        current_ = nullptr;
        current_object_ = nullptr;
        emit finished();
    }
}

}  // namespace orvane::app
