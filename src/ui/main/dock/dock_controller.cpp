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
// Ticks a window moved by a compositor must stand still before its move counts as over.
constexpr int kSettleTicks = 20;
constexpr int kScreensSettleMs = 250;

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
    : QObject(parent != nullptr ? parent : widgets.window), widgets_(widgets) {
    Q_ASSERT(widgets_.window != nullptr);
    borderless_flags_ = widgets_.window->windowFlags() | Qt::FramelessWindowHint;
    monitors_ = [] {
        std::vector<dock::Area> areas;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect g = screen->geometry();
            areas.push_back({twips_from_px(g.x()), twips_from_px(g.y()), twips_from_px(g.width()),
                             twips_from_px(g.height())});
        }
        return areas;
    };
    for (QWidget* widget :
         {widgets_.window, widgets_.logo, widgets_.display, widgets_.memory, widgets_.strip_top,
          widgets_.strip_bottom, widgets_.strip_left, widgets_.strip_right, widgets_.help_button,
          widgets_.mini_button, widgets_.exit_button}) {
        if (widget != nullptr) {
            widget->installEventFilter(this);
            widget->setMouseTracking(true);
        }
    }
    system_move_poll_.setInterval(kPollMs);
    connect(&system_move_poll_, &QTimer::timeout, this, &DockController::poll_system_move);
    screens_settle_.setSingleShot(true);
    screens_settle_.setInterval(kScreensSettleMs);
    connect(&screens_settle_, &QTimer::timeout, this, &DockController::screens_changed);
    watch_screens();
    reset_title_colours();
}

void DockController::watch_screens() {
    auto settle = [this] { screens_settle_.start(); };
    auto watch = [this, settle](QScreen* screen) {
        connect(screen, &QScreen::geometryChanged, this, settle);
    };
    for (QScreen* screen : QGuiApplication::screens()) {
        watch(screen);
    }
    connect(qGuiApp, &QGuiApplication::screenAdded, this, [watch, settle](QScreen* screen) {
        watch(screen);
        settle();
    });
    connect(qGuiApp, &QGuiApplication::screenRemoved, this, settle);
    connect(qGuiApp, &QGuiApplication::primaryScreenChanged, this, settle);
}

DockController::~DockController() = default;

void DockController::set_monitors_source(std::function<std::vector<dock::Area>()> source) {
    monitors_ = std::move(source);
}

std::vector<dock::Area> DockController::monitors() const {
    return monitors_();
}

dock::DockFrame DockController::frame_of(const dock::WindowDock& window) const {
    return dock::frame_for(window, monitors());
}

dock::WindowDock DockController::current() const {
    dock::WindowDock d;
    // The window manager may have moved or clamped the window without telling Qt yet.
    const QPoint pos = server_window_origin(widgets_.window).value_or(widgets_.window->pos());
    d.left = twips_from_px(pos.x());
    d.top = twips_from_px(pos.y());
    d.width = dock::nominal_width(twips_from_px(widgets_.window->width()));
    d.height = dock::nominal_height(twips_from_px(widgets_.window->height()));
    d.docked = docked_;
    d.strips.top = widgets_.strip_top == nullptr || !widgets_.strip_top->isHidden();
    d.strips.left = widgets_.strip_left == nullptr || !widgets_.strip_left->isHidden();
    d.strips.right = widgets_.strip_right == nullptr || !widgets_.strip_right->isHidden();
    return d;
}

void DockController::apply(const dock::WindowDock& target) {
    docked_ = target.docked;
    const QPoint pos(px_from_twips(target.left), px_from_twips(target.top));
    if (pos != widgets_.window->pos()) {
        widgets_.window->move(pos);
    }
    if (widgets_.strip_top != nullptr) {
        widgets_.strip_top->setVisible(target.strips.top);
    }
    if (widgets_.strip_left != nullptr) {
        widgets_.strip_left->setVisible(target.strips.left);
    }
    if (widgets_.strip_right != nullptr) {
        widgets_.strip_right->setVisible(target.strips.right);
    }
}

void DockController::set_window_twips(int width, int height) {
    // A fixed size: the window manager offers no resizing, and the frame of the mini strip is
    // a fixed single frame.
    widgets_.window->setFixedSize(px_from_twips(width), px_from_twips(height));
}

bool DockController::is_drag_handle(QObject* watched) const {
    return watched == widgets_.logo || watched == widgets_.strip_top ||
           watched == widgets_.strip_bottom || watched == widgets_.display ||
           watched == widgets_.memory;
}

bool DockController::is_strip(QObject* watched) const {
    return watched == widgets_.strip_top || watched == widgets_.strip_bottom ||
           watched == widgets_.strip_left || watched == widgets_.strip_right;
}

bool DockController::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return on_press(watched, event);
        case QEvent::MouseMove:
            return on_move(watched, event);
        case QEvent::MouseButtonRelease:
            return on_release(watched, event);
        case QEvent::Enter:
            if (system_drag_ && watched == widgets_.window) {
                // Back from the window manager's move: the button is up.
                system_move_released_ = true;
            }
            return false;
        case QEvent::ContextMenu:
            // A right press on the display or memory box only gives the window the focus.
            return watched == widgets_.display || watched == widgets_.memory;
        case QEvent::Resize:
        case QEvent::WindowStateChange:
            if (watched == widgets_.window) {
                schedule_shape_check();
            }
            return false;
        case QEvent::Show:
            if (watched == widgets_.window && !event->spontaneous() &&
                (widgets_.window->windowFlags() & Qt::FramelessWindowHint)) {
                // The calculator about to be mapped: off the taskbar and pager from the first
                // map on, under every window manager (not all of them skip a utility window),
                // and again at every later map. The mini strip keeps its taskbar entry.
                set_wm_state_before_map(widgets_.window,
                                        {WmState::skip_taskbar, WmState::skip_pager});
            }
            [[fallthrough]];
        case QEvent::Close:
            if (watched == widgets_.window && hidden_) {
                // Shown or closed by someone else while slid away: the sliver has no job.
                drop_sliver();
            }
            return false;
        default:
            return false;
    }
}

bool DockController::on_press(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    const bool left = mouse->button() == Qt::LeftButton;
    if (watched == widgets_.display || watched == widgets_.memory) {
        give_focus();
        if (left) {
            begin_drag(global_position(event));
        }
        return true;
    }
    if (watched == widgets_.window) {
        // Presses on child controls bubble up here; only the bare background is a handle, and
        // the help panel's blank ground (a press there reaches us only when nothing on the
        // panel took it).
        const QWidget* child = widgets_.window->childAt(mouse->position().toPoint());
        const bool help_ground =
            child != nullptr && widgets_.help_area != nullptr &&
            (child == widgets_.help_area || child->parentWidget() == widgets_.help_area);
        if (child != nullptr && !help_ground) {
            return false;
        }
        if (left) {
            begin_drag(global_position(event));
        }
        return true;
    }
    if (is_drag_handle(watched)) {
        if (left) {
            begin_drag(global_position(event));
        }
        return true;
    }
    if (watched == widgets_.mini_button && left) {
        mini_pressed_ = true;
        return true;
    }
    return false;
}

bool DockController::on_move(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (manual_drag_) {
        if (mouse->buttons() & Qt::LeftButton) {
            widgets_.window->move(global_position(event) - drag_offset_);
        }
        return true;
    }
    if (mouse->buttons() != Qt::NoButton) {
        return false;
    }
    if (is_strip(watched)) {
        strip_moved(watched);
        return true;
    }
    if (watched == widgets_.help_button) {
        set_hover(Hover::help);
    } else if (watched == widgets_.mini_button) {
        set_hover(Hover::mini);
    } else if (watched == widgets_.exit_button) {
        set_hover(Hover::exit);
    } else if (watched == widgets_.display ||
               (watched == widgets_.window &&
                widgets_.window->childAt(mouse->position().toPoint()) == nullptr)) {
        give_focus();
        reset_title_colours();
    }
    return false;
}

bool DockController::on_release(QObject* watched, QEvent* event) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (manual_drag_ && mouse->button() == Qt::LeftButton) {
        manual_drag_ = false;
        finish_drag();
        return true;
    }
    if (system_drag_) {
        // Some window managers hand the release back to us when their move ends; the poll
        // decides a little later, once the last position has reached us.
        system_move_released_ = true;
        return true;
    }
    if (watched == widgets_.mini_button && mouse->button() == Qt::LeftButton && mini_pressed_) {
        mini_pressed_ = false;
        if (widgets_.mini_button->rect().contains(mouse->position().toPoint())) {
            minimise_to_strip();
        }
        return true;
    }
    return false;
}

void DockController::begin_drag(const QPoint& global_pos) {
    if (manual_drag_ || system_drag_) {
        return;
    }
    // Qt's idea of the position can lag behind the window manager's placement; the move request
    // carries positions computed from it, so bring it up to date first.
    sync_position();
    QWindow* native = widgets_.window->windowHandle();
    const bool window_manager_moves = system_move_allowed_ && native != nullptr &&
                                      QGuiApplication::platformName() == QLatin1String("xcb");
    if (window_manager_moves && server_pointer_buttons_down() == std::optional<bool>(false)) {
        // A quick click: the button is already up. A move asked for now would take the release
        // as past and follow the pointer until the next click; decide the drop in place instead.
        finish_drag();
        return;
    }
    if (window_manager_moves && native->startSystemMove()) {
        // The window manager runs the move and keeps the pointer grab, so no release reaches
        // us reliably: poll the pointer buttons until they are all up.
        system_drag_ = true;
        system_move_released_ = false;
        poll_quiet_ticks_ = 0;
        settled_.reset();
        last_origin_ = widgets_.window->pos();
        system_move_poll_.start();
        emit drag_started(true);
        return;
    }
    manual_drag_ = true;
    emit drag_started(false);
    // The press gave the pressed widget the implicit pointer grab: its moves and its release
    // reach us.
    drag_offset_ = global_pos - widgets_.window->pos();
}

void DockController::poll_system_move() {
    // The server knows; without it, Qt's own record until an event tells us the move is over.
    const std::optional<bool> server_down = server_pointer_buttons_down();
    const bool held = server_down.has_value() ? *server_down
                                              : !system_move_released_ &&
                                                    QGuiApplication::mouseButtons() != Qt::NoButton;
    if (held && on_xwayland()) {
        watch_compositor_move();
        return;
    }
    if (settled_) {
        // The move is really over now.
        settled_.reset();
        system_move_poll_.stop();
        return;
    }
    if (held) {
        poll_quiet_ticks_ = 0;
        return;
    }
    if (++poll_quiet_ticks_ < kQuietTicks) {
        return;
    }
    system_move_poll_.stop();
    finish_drag();
}

void DockController::watch_compositor_move() {
    // Under XWayland the compositor runs the move, and the X server hears of the release only
    // at the next pointer motion: the move counts as over once the window has stood still for a
    // moment. Should it move on after all (the button was still down), it is a drag again.
    const QPoint origin = server_window_origin(widgets_.window).value_or(widgets_.window->pos());
    if (settled_) {
        if (origin != settled_->first && origin != settled_->second) {
            settled_.reset();
            system_drag_ = true;
            last_origin_ = origin;
            poll_quiet_ticks_ = 0;
        }
        return;
    }
    if (origin != last_origin_) {
        last_origin_ = origin;
        poll_quiet_ticks_ = 0;
        return;
    }
    if (++poll_quiet_ticks_ < kSettleTicks) {
        return;
    }
    finish_drag();
    settled_ = std::pair{origin, widgets_.window->pos()};
}

void DockController::finish_drag() {
    system_drag_ = false;
    manual_drag_ = false;
    sync_position();
    const dock::WindowDock before = current();
    const dock::WindowDock after = dock::decide_drop(before, frame_of(before));
    apply(after);
    emit dropped(after.docked);
}

void DockController::sync_position() {
    if (const auto origin = server_window_origin(widgets_.window);
        origin && *origin != widgets_.window->pos()) {
        widgets_.window->move(*origin);  // where the window manager put it: a no-op for the server
    }
}

void DockController::strip_moved(QObject* strip) {
    if (strip == widgets_.strip_top || strip == widgets_.strip_right) {
        reset_title_colours();
    }
    sync_position();
    const dock::WindowDock before = current();
    if (!dock::toggle_applies(before)) {
        return;
    }
    give_focus();
    const dock::DockFrame frame = frame_of(before);
    slide_to(dock::dock_toggle(before, frame), frame);
}

void DockController::slide_to(const dock::WindowDock& target, const dock::DockFrame& frame) {
    if (!dock::slid_away(target, frame)) {
        apply(target);
        emit slid(false);
        return;
    }
    // Window managers keep what part of a window they like on the screen, or do not move it
    // at all: the window goes off the screen and a sliver of our own takes the part that the
    // slide leaves, showing what the window shows there.
    const dock::Area area = dock::sliver_px(target, frame);
    const QRect on_screen(area.left, area.top, area.width, area.height);
    const QPoint origin(px_from_twips(target.left), px_from_twips(target.top));
    const QPixmap picture = widgets_.window->grab(on_screen.translated(-origin));
    apply(dock::WindowDock{current().left, current().top, target.width, target.height,
                           target.docked, target.strips});
    hidden_ = target;
    hidden_frame_ = frame;
    if (!sliver_) {
        sliver_ = std::make_unique<EdgeSliver>();
        connect(sliver_.get(), &EdgeSliver::touched, this, &DockController::sliver_touched);
    }
    sliver_->show_at(on_screen, picture);
    widgets_.window->hide();
    emit slid(true);
}

void DockController::sliver_touched() {
    if (!hidden_) {
        return;
    }
    const dock::DockFrame frame = hidden_frame_;
    const dock::WindowDock shown = dock::dock_toggle(*hidden_, frame);
    drop_sliver();
    apply(shown);
    widgets_.window->show();
    widgets_.window->raise();
    give_focus();
    if (on_xwayland()) {
        request_activation(widgets_.window);
    }
    emit slid(dock::slid_away(shown, frame));
}

void DockController::drop_sliver() {
    hidden_.reset();
    if (sliver_) {
        sliver_->hide();
    }
}

void DockController::give_focus() {
    if (widgets_.give_focus) {
        widgets_.give_focus();
        return;
    }
    widgets_.window->activateWindow();
    widgets_.window->setFocus(Qt::MouseFocusReason);
}

void DockController::set_hover(Hover hover) {
    set_background(widgets_.help_button, hover == Hover::help ? kHelpHover : kTitleNormal);
    set_background(widgets_.mini_button, hover == Hover::mini ? kMiniHover : kTitleNormal);
    set_background(widgets_.exit_button, hover == Hover::exit ? kExitHover : kTitleNormal);
}

void DockController::reset_title_colours() {
    set_hover(Hover::none);
}

void DockController::tray_pointer_activity() {
    give_focus();
    reset_title_colours();
}

void DockController::bring_back() {
    if (hidden_) {
        sliver_touched();
    }
    if (widgets_.window->isMinimized() || !widgets_.window->isVisible()) {
        // The mini strip (or a window someone hid) comes back as the taskbar would bring it.
        widgets_.window->showNormal();
    }
    widgets_.window->raise();
    give_focus();
    reset_title_colours();
}

void DockController::screens_changed() {
    if (system_drag_ || manual_drag_) {
        screens_settle_.start();  // the drop decides; look again once it is over
        return;
    }
    const std::vector<dock::Area> areas = monitors();
    if (areas.empty()) {
        return;  // no monitor at all for a moment: wait for the next change
    }
    if (hidden_) {
        // Slid away: docked again, shown, at the same kind of edge of a monitor that is there,
        // then slid away again there, with a fresh sliver.
        const dock::WindowDock shown = dock::place_on_monitors(*hidden_, areas);
        drop_sliver();
        apply(shown);
        const dock::DockFrame frame = frame_of(shown);
        slide_to(dock::dock_toggle(shown, frame), frame);
        return;
    }
    const dock::WindowDock now = current();
    const dock::WindowDock placed = dock::place_on_monitors(now, areas);
    if (placed != now) {
        apply(placed);
    }
}

void DockController::toggle_help_width() {
    if (hidden_) {
        sliver_touched();  // the panel opens on a window in view
    }
    // A resize carries Qt's idea of the position, which may still be the one before the window
    // manager placed the window.
    sync_position();
    const dock::WindowDock now = current();
    const dock::HelpGeometry g = dock::toggle_help(now, frame_of(now));
    set_window_twips(g.width, dock::kCalculatorHeight);
    const QPoint pos(px_from_twips(g.left), widgets_.window->y());
    if (pos != widgets_.window->pos()) {
        widgets_.window->move(pos);
    }
    emit help_panel_toggled(g.opened);
}

void DockController::minimise_to_strip() {
    set_window_twips(dock::kCalculatorWidth, dock::kCalculatorHeight);
    Qt::WindowFlags framed = borderless_flags_ & ~Qt::FramelessWindowHint;
    framed |= Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint;
    framed &= ~Qt::WindowMaximizeButtonHint;
    // An ordinary window while minimised: taskbars skip a utility window and some window
    // managers do not minimise one at all.
    framed = (framed & ~Qt::WindowType_Mask) | Qt::Window;
    set_frame(framed);
    widgets_.window->setWindowTitle(QString::fromUtf8(dock::kMinimisedCaption.data(),
                                                      qsizetype(dock::kMinimisedCaption.size())));
    set_background(widgets_.mini_button, kTitleNormal);
    if (!widgets_.window->isVisible()) {
        widgets_.window->showMinimized();
        return;
    }
    // Mapped afresh as an ordinary window: a taskbar that never listed the window (it skipped
    // the taskbar from its first map) lists it once it appears in the client list again. The
    // window manager must have withdrawn it first.
    widgets_.window->hide();
    forget_wm_state(widgets_.window);
    QTimer::singleShot(kShapeDelayMs, this, [this] {
        if (!widgets_.window->isVisible()) {
            widgets_.window->showMinimized();
        }
    });
}

void DockController::set_frame(Qt::WindowFlags flags) {
    // Changed on the live window: recreating it would unmap it, and a window manager may then
    // map it again in the state it had (minimised).
    QWindow* native = widgets_.window->windowHandle();
    if (native == nullptr) {
        widgets_.window->setWindowFlags(flags);
        return;
    }
    widgets_.window->overrideWindowFlags(flags);
    native->setFlags(flags);
}

void DockController::schedule_shape_check() {
    // Frame changes cannot run inside the window's own resize or state event; run after it.
    if (shape_check_pending_) {
        return;
    }
    shape_check_pending_ = true;
    // A short delay lets the platform finish its own state change (a restore from minimised).
    QTimer::singleShot(kShapeDelayMs, this, &DockController::restore_shape);
}

void DockController::restore_shape() {
    shape_check_pending_ = false;
    if (!widgets_.window->isVisible()) {
        // Unmapped (slid away, or between the two maps of the mini strip): its next map or
        // state change brings another check.
        return;
    }
    dock::ShapeInput in;
    in.width = dock::nominal_width(twips_from_px(widgets_.window->width()));
    in.minimised = widgets_.window->isMinimized();
    in.maximised = widgets_.window->isMaximized();
    in.framed = !(widgets_.window->windowFlags() & Qt::FramelessWindowHint);
    const dock::ShapeAction action = dock::restore_shape(in);
    if (!action.act) {
        return;
    }
    if (action.make_borderless) {
        set_frame(borderless_flags_);
        // The frame change may have been sent while the platform still took the window for
        // minimised; say again that it is a normal window.
        widgets_.window->showNormal();
        // The window manager may keep the taskbar entry and stacking of the framed strip:
        // ask, and where it does not listen (xfwm4), map the window afresh so that it reads
        // the utility window's state anew.
        QTimer::singleShot(kShapeDelayMs * 2, this, [this] {
            request_wm_state(widgets_.window,
                             {WmState::skip_taskbar, WmState::skip_pager, WmState::above}, true);
            QTimer::singleShot(kShapeDelayMs * 3, this, [this] {
                if (has_wm_state(widgets_.window, WmState::skip_taskbar) != std::optional(false) ||
                    widgets_.window->isMinimized()) {
                    return;
                }
                widgets_.window->hide();
                forget_wm_state(widgets_.window);
                widgets_.window->show();
            });
        });
    }
    if (action.clear_caption) {
        widgets_.window->setWindowTitle(QString());
    }
    set_window_twips(action.width, action.height);
}

}  // namespace orvane
