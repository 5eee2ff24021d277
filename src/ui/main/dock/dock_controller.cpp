#include "ui/main/dock/dock_controller.h"

#include <QContextMenuEvent>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include "ui/main/dock/edge_sliver.h"
#include "ui/main/dock/scale_rules.h"
#include "ui/main/dock/sliver_rules.h"
#include "ui/main/dock/x11_state.h"
#include "ui/main/dock/x11_wm_state.h"

namespace orvane {

namespace {

constexpr int kPollMs = 20;
// Ticks to wait after the button came up, so the last position reported by the window manager
// has reached us before the drop is judged.
constexpr int kQuietTicks = 3;
constexpr int kShapeDelayMs = 50;

void set_background(QWidget* widget, const QColor& colour) {
    if (widget == nullptr) {
        return;
    }
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QPoint global_position(QEvent* event) {
    return static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
}

}  // namespace

DockController::DockController(const DockWidgets& widgets, QObject* parent)
    : QObject(parent != nullptr ? parent : widgets.window), w_(widgets) {
    Q_ASSERT(w_.window != nullptr);
    borderless_flags_ = w_.window->windowFlags() | Qt::FramelessWindowHint;
    screen_width_ = [] {
        const QScreen* screen = QGuiApplication::primaryScreen();
        return screen != nullptr ? dock::twips_from_px(screen->geometry().width()) : 0;
    };
    for (QWidget* widget :
         {w_.window, w_.logo, w_.display, w_.memory, w_.strip_top, w_.strip_bottom, w_.strip_left,
          w_.strip_right, w_.help_button, w_.mini_button, w_.exit_button}) {
        if (widget != nullptr) {
            widget->installEventFilter(this);
            widget->setMouseTracking(true);
        }
    }
    system_move_poll_.setInterval(kPollMs);
    connect(&system_move_poll_, &QTimer::timeout, this, &DockController::pollSystemMove);
    resetTitleColours();
}

DockController::~DockController() = default;

void DockController::setScreenWidthSource(std::function<int()> source) {
    screen_width_ = std::move(source);
}

int DockController::screenWidth() const {
    return screen_width_();
}

dock::WindowDock DockController::current() const {
    dock::WindowDock d;
    // The window manager may have moved or clamped the window without telling Qt yet.
    const QPoint pos = server_window_origin(w_.window).value_or(w_.window->pos());
    d.left = dock::twips_from_px(pos.x());
    d.top = dock::twips_from_px(pos.y());
    d.width = dock::nominal_width(dock::twips_from_px(w_.window->width()));
    d.height = dock::nominal_height(dock::twips_from_px(w_.window->height()));
    d.docked = docked_;
    d.strips.top = w_.strip_top == nullptr || !w_.strip_top->isHidden();
    d.strips.left = w_.strip_left == nullptr || !w_.strip_left->isHidden();
    d.strips.right = w_.strip_right == nullptr || !w_.strip_right->isHidden();
    return d;
}

void DockController::apply(const dock::WindowDock& target) {
    docked_ = target.docked;
    const QPoint pos(dock::px_from_twips(target.left), dock::px_from_twips(target.top));
    if (pos != w_.window->pos()) {
        w_.window->move(pos);
    }
    if (w_.strip_top != nullptr) {
        w_.strip_top->setVisible(target.strips.top);
    }
    if (w_.strip_left != nullptr) {
        w_.strip_left->setVisible(target.strips.left);
    }
    if (w_.strip_right != nullptr) {
        w_.strip_right->setVisible(target.strips.right);
    }
}

void DockController::setWindowTwips(int width, int height) {
    // A fixed size: the window manager offers no resizing, and the frame of the mini strip is
    // a fixed single frame.
    w_.window->setFixedSize(dock::px_from_twips(width), dock::px_from_twips(height));
}

bool DockController::isDragHandle(QObject* watched) const {
    return watched == w_.logo || watched == w_.strip_top || watched == w_.strip_bottom ||
           watched == w_.display || watched == w_.memory;
}

bool DockController::isStrip(QObject* watched) const {
    return watched == w_.strip_top || watched == w_.strip_bottom || watched == w_.strip_left ||
           watched == w_.strip_right;
}

bool DockController::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return onPress(watched, event);
        case QEvent::MouseMove:
            return onMove(watched, event);
        case QEvent::MouseButtonRelease:
            return onRelease(watched, event);
        case QEvent::Enter:
            if (system_drag_ && watched == w_.window) {
                // Back from the window manager's move: the button is up.
                system_move_released_ = true;
            }
            return false;
        case QEvent::ContextMenu:
            // A right press on the display or memory box only gives the window the focus.
            return watched == w_.display || watched == w_.memory;
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (watched == w_.window) {
                scheduleShapeCheck();
            }
            return false;
        case QEvent::Show:
        case QEvent::Close:
            if (watched == w_.window && hidden_) {
                // Shown or closed by someone else while slid away: the sliver has no job.
                drop_sliver();
            }
            return false;
        default:
            return false;
    }
}

bool DockController::onPress(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool left = mouse->button() == Qt::LeftButton;
    if (watched == w_.display || watched == w_.memory) {
        giveFocus();
        if (left) {
            beginDrag(global_position(event));
        }
        return true;
    }
    if (watched == w_.window) {
        // Presses on child controls bubble up here; only the bare background is a handle, and
        // the help panel's blank ground (a press there reaches us only when nothing on the
        // panel took it).
        const QWidget* child = w_.window->childAt(mouse->position().toPoint());
        const bool help_ground = child != nullptr && w_.help_panel != nullptr &&
                                 (child == w_.help_panel || child == w_.help_panel->parentWidget());
        if (child != nullptr && !help_ground) {
            return false;
        }
        if (left) {
            beginDrag(global_position(event));
        }
        return true;
    }
    if (isDragHandle(watched)) {
        if (left) {
            beginDrag(global_position(event));
        }
        return true;
    }
    if (watched == w_.mini_button && left) {
        mini_pressed_ = true;
        return true;
    }
    return false;
}

bool DockController::onMove(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (manual_drag_) {
        if (mouse->buttons() & Qt::LeftButton) {
            w_.window->move(global_position(event) - drag_offset_);
        }
        return true;
    }
    if (mouse->buttons() != Qt::NoButton) {
        return false;
    }
    if (isStrip(watched)) {
        stripMoved(watched);
        return true;
    }
    if (watched == w_.help_button) {
        setHover(Hover::Help);
    } else if (watched == w_.mini_button) {
        setHover(Hover::Mini);
    } else if (watched == w_.exit_button) {
        setHover(Hover::Exit);
    } else if (watched == w_.display ||
               (watched == w_.window &&
                w_.window->childAt(mouse->position().toPoint()) == nullptr)) {
        giveFocus();
        resetTitleColours();
    }
    return false;
}

bool DockController::onRelease(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (manual_drag_ && mouse->button() == Qt::LeftButton) {
        manual_drag_ = false;
        finishDrag();
        return true;
    }
    if (system_drag_) {
        // Some window managers hand the release back to us when their move ends; the poll
        // decides a little later, once the last position has reached us.
        system_move_released_ = true;
        return true;
    }
    if (watched == w_.mini_button && mouse->button() == Qt::LeftButton && mini_pressed_) {
        mini_pressed_ = false;
        if (w_.mini_button->rect().contains(mouse->position().toPoint())) {
            minimiseToStrip();
        }
        return true;
    }
    return false;
}

void DockController::beginDrag(const QPoint& global_pos) {
    if (manual_drag_ || system_drag_) {
        return;
    }
    // Qt's idea of the position can lag behind the window manager's placement; the move request
    // carries positions computed from it, so bring it up to date first.
    syncPosition();
    QWindow* native = w_.window->windowHandle();
    const bool window_manager_moves = system_move_allowed_ && native != nullptr &&
                                      QGuiApplication::platformName() == QLatin1String("xcb");
    if (window_manager_moves && server_pointer_buttons_down() == std::optional<bool>(false)) {
        // A quick click: the button is already up. A move asked for now would take the release
        // as past and follow the pointer until the next click; decide the drop in place instead.
        finishDrag();
        return;
    }
    if (window_manager_moves && native->startSystemMove()) {
        // The window manager runs the move and keeps the pointer grab, so no release reaches
        // us reliably: poll the pointer buttons until they are all up.
        system_drag_ = true;
        system_move_released_ = false;
        poll_quiet_ticks_ = 0;
        system_move_poll_.start();
        emit dragStarted(true);
        return;
    }
    manual_drag_ = true;
    emit dragStarted(false);
    // The press gave the pressed widget the implicit pointer grab: its moves and its release
    // reach us.
    drag_offset_ = global_pos - w_.window->pos();
}

void DockController::pollSystemMove() {
    // The server knows; without it, Qt's own record until an event tells us the move is over.
    const std::optional<bool> server_down = server_pointer_buttons_down();
    const bool held = server_down.has_value() ? *server_down
                                              : !system_move_released_ &&
                                                    QGuiApplication::mouseButtons() != Qt::NoButton;
    if (held) {
        poll_quiet_ticks_ = 0;
        return;
    }
    if (++poll_quiet_ticks_ < kQuietTicks) {
        return;
    }
    system_move_poll_.stop();
    finishDrag();
}

void DockController::finishDrag() {
    system_drag_ = false;
    manual_drag_ = false;
    syncPosition();
    const dock::WindowDock after = dock::decide_drop(current(), screenWidth());
    apply(after);
    emit dropped(after.docked);
}

void DockController::syncPosition() {
    if (const auto origin = server_window_origin(w_.window);
        origin && *origin != w_.window->pos()) {
        w_.window->move(*origin);  // where the window manager put it: a no-op for the server
    }
}

void DockController::stripMoved(QObject* strip) {
    if (strip == w_.strip_top || strip == w_.strip_right) {
        resetTitleColours();
    }
    syncPosition();
    const dock::WindowDock before = current();
    if (!dock::toggle_applies(before)) {
        return;
    }
    giveFocus();
    slide_to(dock::dock_toggle(before, screenWidth()));
}

void DockController::slide_to(const dock::WindowDock& target) {
    const int screen_width = screenWidth();
    if (!dock::slid_away(target, screen_width)) {
        apply(target);
        emit slid(false);
        return;
    }
    // Window managers keep what part of a window they like on the screen, or do not move it
    // at all: the window goes off the screen and a sliver of our own takes the part that the
    // slide leaves, showing what the window shows there.
    const dock::Area area = dock::sliver_px(target, screen_width);
    const QRect on_screen(area.left, area.top, area.width, area.height);
    const QPoint origin(dock::px_from_twips(target.left), dock::px_from_twips(target.top));
    const QPixmap picture = w_.window->grab(on_screen.translated(-origin));
    apply(dock::WindowDock{current().left, current().top, target.width, target.height,
                           target.docked, target.strips});
    hidden_ = target;
    if (!sliver_) {
        sliver_ = std::make_unique<EdgeSliver>();
        connect(sliver_.get(), &EdgeSliver::touched, this, &DockController::sliver_touched);
    }
    sliver_->show_at(on_screen, picture);
    w_.window->hide();
    emit slid(true);
}

void DockController::sliver_touched() {
    if (!hidden_) {
        return;
    }
    const dock::WindowDock shown = dock::dock_toggle(*hidden_, screenWidth());
    drop_sliver();
    apply(shown);
    w_.window->show();
    w_.window->raise();
    giveFocus();
    emit slid(dock::slid_away(shown, screenWidth()));
}

void DockController::drop_sliver() {
    hidden_.reset();
    if (sliver_) {
        sliver_->hide();
    }
}

void DockController::giveFocus() {
    if (w_.give_focus) {
        w_.give_focus();
        return;
    }
    w_.window->activateWindow();
    w_.window->setFocus(Qt::MouseFocusReason);
}

void DockController::setHover(Hover hover) {
    set_background(w_.help_button, hover == Hover::Help ? kHelpHover : kTitleNormal);
    set_background(w_.mini_button, hover == Hover::Mini ? kMiniHover : kTitleNormal);
    set_background(w_.exit_button, hover == Hover::Exit ? kExitHover : kTitleNormal);
}

void DockController::resetTitleColours() {
    setHover(Hover::None);
}

void DockController::trayPointerActivity() {
    if (w_.window->isMinimized()) {
        // A click on the tray icon brings the mini strip back, as the taskbar does.
        w_.window->showNormal();
        w_.window->raise();
    }
    giveFocus();
    resetTitleColours();
}

void DockController::toggleHelpWidth() {
    if (hidden_) {
        sliver_touched();  // the panel opens on a window in view
    }
    // A resize carries Qt's idea of the position, which may still be the one before the window
    // manager placed the window.
    syncPosition();
    const dock::HelpGeometry g = dock::toggle_help(current(), screenWidth());
    setWindowTwips(g.width, dock::kCalculatorHeight);
    const QPoint pos(dock::px_from_twips(g.left), w_.window->y());
    if (pos != w_.window->pos()) {
        w_.window->move(pos);
    }
    emit helpPanelToggled(g.opened);
}

void DockController::minimiseToStrip() {
    setWindowTwips(dock::kCalculatorWidth, dock::kCalculatorHeight);
    Qt::WindowFlags framed = borderless_flags_ & ~Qt::FramelessWindowHint;
    framed |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    framed &= ~Qt::WindowMaximizeButtonHint;
    // An ordinary window while minimised: taskbars skip a utility window and some window
    // managers do not minimise one at all.
    framed = (framed & ~Qt::WindowType_Mask) | Qt::Window;
    setFrame(framed);
    request_wm_state(w_.window, {WmState::skip_taskbar, WmState::skip_pager}, false);
    w_.window->showMinimized();
    w_.window->setWindowTitle(QString::fromUtf8(dock::kMinimisedCaption.data(),
                                                qsizetype(dock::kMinimisedCaption.size())));
    set_background(w_.mini_button, kTitleNormal);
}

void DockController::setFrame(Qt::WindowFlags flags) {
    // Changed on the live window: recreating it would unmap it, and a window manager may then
    // map it again in the state it had (minimised).
    QWindow* native = w_.window->windowHandle();
    if (native == nullptr) {
        w_.window->setWindowFlags(flags);
        return;
    }
    w_.window->overrideWindowFlags(flags);
    native->setFlags(flags);
}

void DockController::scheduleShapeCheck() {
    // Frame changes cannot run inside the window's own resize or state event; run after it.
    if (shape_check_pending_) {
        return;
    }
    shape_check_pending_ = true;
    // A short delay lets the platform finish its own state change (a restore from minimised).
    QTimer::singleShot(kShapeDelayMs, this, &DockController::restoreShape);
}

void DockController::restoreShape() {
    shape_check_pending_ = false;
    dock::ShapeInput in;
    in.width = dock::nominal_width(dock::twips_from_px(w_.window->width()));
    in.minimised = w_.window->isMinimized();
    in.maximised = w_.window->isMaximized();
    in.framed = !(w_.window->windowFlags() & Qt::FramelessWindowHint);
    const dock::ShapeAction action = dock::restore_shape(in);
    if (!action.act) {
        return;
    }
    if (action.make_borderless) {
        setFrame(borderless_flags_);
        // The frame change may have been sent while the platform still took the window for
        // minimised; say again that it is a normal window.
        w_.window->showNormal();
        // The window manager may keep the taskbar entry and stacking of the framed strip:
        // ask, and where it does not listen (xfwm4), map the window afresh so that it reads
        // the utility window's state anew.
        QTimer::singleShot(kShapeDelayMs * 2, this, [this] {
            request_wm_state(w_.window,
                             {WmState::skip_taskbar, WmState::skip_pager, WmState::above}, true);
            QTimer::singleShot(kShapeDelayMs * 3, this, [this] {
                if (has_wm_state(w_.window, WmState::skip_taskbar) != std::optional(false) ||
                    w_.window->isMinimized()) {
                    return;
                }
                w_.window->hide();
                forget_wm_state(w_.window);
                w_.window->show();
            });
        });
    }
    if (action.clear_caption) {
        w_.window->setWindowTitle(QString());
    }
    setWindowTwips(action.width, action.height);
}

}  // namespace orvane
