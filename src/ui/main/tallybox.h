// The standard calculator's window: the keypad, display, rounding lists and clipboard
// switches around the Qt-free engine. The window is thin glue: it shows the engine's control
// state, forwards clicks and keys as key operations and carries out the engine's effects.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>

#include "startup/startup_values.h"
#include "engine/calculator.h"
#include "engine/keyboard.h"
#include "startup/calculator_kind.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSystemTrayIcon;
class QTimer;

namespace orvane {

class ClickLabel;
class ColorEgg;

class Tallybox : public QWidget, private engine::Effects {
    Q_OBJECT
  public:
    // Builds the controls and runs the load step: topmost, tray icon, width, the engine's
    // load with the start-up presets. `registers` outlives the window and survives reloads.
    Tallybox(engine::Registers& registers, const StartupValues& startup, QWidget* parent = nullptr);
    ~Tallybox() override;

    // Seams for the blocking message boxes and the sound; tests replace them.
    using InformBox = std::function<void(const QString& title, const QString& text)>;
    using QuestionBox = std::function<bool(const QString& title, const QString& text)>;
    using ClipPlayer = std::function<void(std::string_view clip_name)>;
    void set_inform_box(InformBox box);
    void set_question_box(QuestionBox box);
    void set_clip_player(ClipPlayer player);
    // The clip player of every window created afterwards, so that the load step's own clip
    // ("/f3") reaches it too; empty: the desktop's sound output.
    static void set_default_clip_player(ClipPlayer player);

    // Handles for the window's desktop behaviour (dragging, docking, mini strip, help panel).
    QLabel* image_logo() const { return image_logo_; }
    QWidget* pic_shang() const { return pic_shang_; }
    QWidget* pic_xia() const { return pic_xia_; }
    QWidget* pic_zuo() const { return pic_zuo_; }
    QWidget* pic_you() const { return pic_you_; }
    QLineEdit* t_show() const { return t_show_; }
    QLineEdit* t_memory() const { return t_memory_; }
    ClickLabel* l_help() const { return l_help_; }
    ClickLabel* l_mini() const { return l_mini_; }
    ClickLabel* l_exit() const { return l_exit_; }
    // Empty area right of the calculator (from 6720 twips), uncovered by widening the window.
    QWidget* help_area() const { return help_area_; }
    // Null when the desktop has no notification area.
    QSystemTrayIcon* tray_icon() const { return tray_icon_; }
    // Null until the easter egg was first accepted.
    ColorEgg* color_egg() const { return color_egg_.get(); }
    const engine::Calculator& calculator() const { return calculator_; }

    // Makes this the window that receives key presses.
    void take_keyboard_focus();

  signals:
    // F2 / Cmd_Expression, F7 / Cmd_House. Emitted from the event loop once the triggering
    // event is over, so the receiver may destroy this window at once.
    void switchRequested(orvane::CalculatorKind target);
    // L_Exit, Alt+F4 or a close by the desktop; emitted like switchRequested.
    void exitRequested();
    // F1 / L_Help.
    void helpToggleRequested();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // engine::Effects
    void play_clip(std::string_view name) override;
    void copy_to_clipboard(std::string_view text) override;
    void autoload_changed(bool ticked) override;
    void focus_window() override;
    void easter_egg() override;

    void build_controls();
    void connect_controls();
    void load(const StartupValues& startup);
    void add_tray_icon();

    void press(engine::Key key);
    void run_command(const engine::Command& command);
    void refresh();
    void fit_display_font();
    int display_room() const;
    void capture_tick();
    void handle_key_press(const QKeyEvent& event);
    void handle_key_release(const QKeyEvent& event);
    void request_switch(CalculatorKind target);
    void request_exit();
    void ask_feedback();
    void show_color_egg();
    void show_again();

    engine::Calculator calculator_;
    InformBox inform_box_;
    QuestionBox question_box_;
    ClipPlayer clip_player_;
    struct Voice;
    std::unique_ptr<Voice> voice_;  // the audio output, opened on the first clip only
    std::unique_ptr<ColorEgg> color_egg_;
    QSystemTrayIcon* tray_icon_ = nullptr;
    QTimer* timer1_ = nullptr;

    QWidget* pic_shang_ = nullptr;
    QWidget* pic_xia_ = nullptr;
    QWidget* pic_zuo_ = nullptr;
    QWidget* pic_you_ = nullptr;
    ClickLabel* l_help_ = nullptr;
    ClickLabel* l_mini_ = nullptr;
    ClickLabel* l_exit_ = nullptr;
    QLineEdit* t_show_ = nullptr;
    QLabel* t_sound_sign_ = nullptr;
    QLabel* t_sign_ = nullptr;
    QComboBox* combo_cut_ = nullptr;
    QComboBox* combo_dot_ = nullptr;
    QCheckBox* c_autocopy_ = nullptr;
    QCheckBox* c_autoload_ = nullptr;
    QLabel* image_logo_ = nullptr;
    QLineEdit* t_memory_ = nullptr;
    QWidget* help_area_ = nullptr;
};

}  // namespace orvane
