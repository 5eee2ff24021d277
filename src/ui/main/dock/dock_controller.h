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

#include "ui/main/dock/dock_rules.h"

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
    QWidget* help_panel = nullptr;    // its blank ground drags like the background
    // How the window takes the keyboard focus; empty: activate it and focus it.
    std::function<void()> give_focus;
};

// Title-button colours.
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

    // Screen width in twips; by default the primary screen's, read fresh each time.
    void setScreenWidthSource(std::function<int()> source);
    int screenWidth() const;

    // Whether a left press may hand the move to the window manager. Off: the controller moves
    // the window itself from the pointer events (always the case where the platform refuses).
    void setSystemMoveAllowed(bool allowed) { system_move_allowed_ = allowed; }

  public slots:
    // Opens or closes the help panel by widening or narrowing the window; a right-docked
    // window stays flush with the right screen edge. Emits helpPanelToggled.
    void toggleHelpWidth();
    // L_Mini: back to the calculator width, framed with the caption, minimised.
    void minimiseToStrip();
    // The background of the three title buttons back to normal.
    void resetTitleColours();
    // Pointer activity over the tray icon counts as a move over the window background.
    void trayPointerActivity();

  signals:
    void helpPanelToggled(bool open);
    // A drag began; true when the window manager runs the move.
    void dragStarted(bool by_window_manager);
    // After every drop, with the decision taken (true: snapped to an edge).
    void dropped(bool docked);
    // After every slide of a docked window (true: now hidden behind the edge).
    void slid(bool hidden);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Hover { None, Help, Mini, Exit };

    bool isDragHandle(QObject* watched) const;
    bool isStrip(QObject* watched) const;
    bool onPress(QObject* watched, QEvent* event);
    bool onMove(QObject* watched, QEvent* event);
    bool onRelease(QObject* watched, QEvent* event);
    void beginDrag(const QPoint& global_pos);
    void pollSystemMove();
    void finishDrag();
    void syncPosition();
    void stripMoved(QObject* strip);
    void giveFocus();
    void setHover(Hover hover);
    void apply(const dock::WindowDock& target);
    void setWindowTwips(int width, int height);
    void setFrame(Qt::WindowFlags flags);
    void scheduleShapeCheck();
    void restoreShape();
    // A slide: away behind the sliver, or back into view.
    void slide_to(const dock::WindowDock& target);
    void sliver_touched();
    void drop_sliver();

    DockWidgets w_;
    std::function<int()> screen_width_;
    bool docked_ = false;
    bool system_move_allowed_ = true;
    // A move we do ourselves: the pointer's offset from the window's corner.
    bool manual_drag_ = false;
    QPoint drag_offset_;
    QTimer system_move_poll_;
    bool system_drag_ = false;
    bool system_move_released_ = false;
    int poll_quiet_ticks_ = 0;
    bool mini_pressed_ = false;
    bool shape_check_pending_ = false;
    Qt::WindowFlags borderless_flags_;
    // While slid away: the window as the rules see it (it is hidden meanwhile) and the sliver
    // that stands in for it.
    std::optional<dock::WindowDock> hidden_;
    std::unique_ptr<EdgeSliver> sliver_;
};

}  // namespace orvane
