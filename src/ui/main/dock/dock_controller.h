// Desktop behaviour of the borderless main window: dragging by its surface, docking at the
// top, left or right screen edge and sliding out of view, the mini strip, the title buttons'
// hover colours, and the help panel's width.
#pragma once

#include <QColor>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "ui/main/dock/dock_rules.h"
#include "ui/main/dock/monitor_rules.h"

namespace orvane {

class EdgeSliver;

// The widgets the controller works with; all belong to the window. Null entries are skipped.
struct DockWidgets {
    QWidget* window = nullptr;
    QWidget* logo = nullptr;          // Image_Logo: drag handle
    QWidget* display = nullptr;       // T_Show: focus on any button, drag on the left one
    QWidget* memory = nullptr;        // T_Memory: like the display
    QWidget* strip_top = nullptr;     // Pic_shang
    QWidget* strip_bottom = nullptr;  // Pic_xia
    QWidget* strip_left = nullptr;    // Pic_zuo
    QWidget* strip_right = nullptr;   // Pic_you
    QWidget* help_button = nullptr;   // L_Help
    QWidget* mini_button = nullptr;   // L_Mini
    QWidget* exit_button = nullptr;   // L_Exit
    // The empty area right of the calculator that widening uncovers; the help panel goes there,
    // and its blank ground drags like the background.
    QWidget* help_area = nullptr;
    // How the window takes the keyboard focus; empty: activate it and focus it.
    std::function<void()> give_focus;
};

// Title-button colours; the first is also the window's outline and strips.
inline const QColor kTitleNormal{128, 128, 255};
inline const QColor kHelpHover{0, 192, 0};
inline const QColor kMiniHover{0, 0, 192};
inline const QColor kExitHover{192, 0, 0};

class DockController : public QObject {
    Q_OBJECT
  public:
    // Installs itself as event filter on every widget given and turns on mouse tracking where
    // pointer moves matter. The window must be a top-level widget; the controller is its child
    // unless a parent is given.
    explicit DockController(const DockWidgets& widgets, QObject* parent = nullptr);
    ~DockController() override;

    // The window as the docking rules see it (twips, dock flag, strip visibility).
    dock::WindowDock current() const;
    bool docked() const { return docked_; }

    // The monitors in twips; by default the toolkit's screens, read fresh each time.
    void set_monitors_source(std::function<std::vector<dock::Area>()> source);
    std::vector<dock::Area> monitors() const;

    // Whether a left press may hand the move to the window manager. Off: the controller moves
    // the window itself from the pointer events (always the case where the platform refuses).
    void set_system_move_allowed(bool allowed) { system_move_allowed_ = allowed; }

  public slots:
    // Opens or closes the help panel by widening or narrowing the window; a right-docked
    // window stays flush with the right screen edge. Emits help_panel_toggled.
    void toggle_help_width();
    // L_Mini: back to the calculator width, framed with the caption, minimised.
    void minimise_to_strip();
    // The background of the three title buttons back to normal.
    void reset_title_colours();
    // Pointer activity over the tray icon counts as a move over the window background.
    void tray_pointer_activity();
    // A click on the tray icon or its menu's 显示计算器: the calculator comes back in view and
    // takes the focus, whether slid away, in its mini strip, hidden or covered.
    void bring_back();
    // The monitors changed: the window ends on a visible monitor, docked again if it was.
    void screens_changed();

  signals:
    void help_panel_toggled(bool open);
    // A drag began; true when the window manager runs the move.
    void drag_started(bool by_window_manager);
    // After every drop, with the decision taken (true: snapped to an edge).
    void dropped(bool docked);
    // After every slide of a docked window (true: now hidden behind the edge).
    void slid(bool hidden);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Hover { none, help, mini, exit };

    bool is_drag_handle(QObject* watched) const;
    bool is_strip(QObject* watched) const;
    bool on_press(QObject* watched, QEvent* event);
    bool on_move(QObject* watched, QEvent* event);
    bool on_release(QObject* watched, QEvent* event);
    void begin_drag(const QPoint& global_pos);
    void poll_system_move();
    void watch_compositor_move();
    void finish_drag();
    void sync_position();
    void strip_moved(QObject* strip);
    void give_focus();
    void set_hover(Hover hover);
    void apply(const dock::WindowDock& target);
    void set_window_twips(int width, int height);
    void set_frame(Qt::WindowFlags flags);
    void schedule_shape_check();
    void restore_shape();
    // A slide on FRAME's monitor: away behind the sliver, or back into view.
    void slide_to(const dock::WindowDock& target, const dock::DockFrame& frame);
    void sliver_touched();
    void drop_sliver();
    dock::DockFrame frame_of(const dock::WindowDock& window) const;
    void watch_screens();

    DockWidgets widgets_;
    std::function<std::vector<dock::Area>()> monitors_;
    // Screen changes come in bursts (xrandr, a monitor waking up): act once they have settled.
    QTimer screens_settle_;
    bool docked_ = false;
    bool system_move_allowed_ = true;
    // A move we do ourselves: the pointer's offset from the window's corner.
    bool manual_drag_ = false;
    QPoint drag_offset_;
    QTimer system_move_poll_;
    bool system_drag_ = false;
    bool system_move_released_ = false;
    int poll_quiet_ticks_ = 0;
    QPoint last_origin_;
    // Dropped once the compositor's move stood still: where it stood and where the drop put it.
    std::optional<std::pair<QPoint, QPoint>> settled_;
    bool mini_pressed_ = false;
    bool shape_check_pending_ = false;
    Qt::WindowFlags borderless_flags_;
    // While slid away: the window as the rules see it (it is hidden meanwhile) and the sliver
    // that stands in for it.
    std::optional<dock::WindowDock> hidden_;
    dock::DockFrame hidden_frame_;
    std::unique_ptr<EdgeSliver> sliver_;
};

}  // namespace orvane
