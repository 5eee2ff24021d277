// The standard calculator's window: the keypad, display, rounding lists and clipboard
// switches around the Qt-free engine. The window is thin glue: it shows the engine's control
// state, forwards clicks and keys as key operations and carries out the engine's effects.
#pragma once

#include <QWidget>
#include <functional>
#include <memory>
#include <span>
#include <string_view>

#include "engine/calculator.h"
#include "engine/keyboard.h"
#include "engine/tape.h"
#include "startup/calculator_kind.h"
#include "startup/startup_values.h"
#include "ui/main/dock/dock_controller.h"

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QSystemTrayIcon;
class QTimer;

namespace orvane {

class ClickLabel;
class ClipboardReader;
class ColorEgg;
class TapePanel;

class Tallybox : public QWidget, private engine::Effects {
    Q_OBJECT
  public:
    // Builds the controls and runs the load step: topmost, width, the engine's load with the
    // start-up presets; the tray icon is added once the first frame is on the screen.
    // `registers` outlives the window and survives reloads.
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

    // What the window's desktop behaviour (dragging, docking, mini strip, help panel) works
    // with; the tray icon comes later, with tray_icon_added.
    DockWidgets desktop_parts();
    // Null until the easter egg was first accepted.
    ColorEgg* color_egg() const { return color_egg_.get(); }
    const engine::Calculator& calculator() const { return calculator_; }

    // Makes this the window that receives key presses.
    void take_keyboard_focus();

    // The session's tape (计算记录), which outlives the window; the panel opens with F8.
    void attach_tape(engine::Tape& tape);
    Q_INVOKABLE void toggle_tape();
    // Null until the tape was first opened.
    TapePanel* tape_panel() const { return tape_panel_; }

  signals:
    // F2 / Cmd_Expression, F7 / Cmd_House. Emitted from the event loop once the triggering
    // event is over, so the receiver may destroy this window at once.
    void switch_requested(orvane::CalculatorKind target);
    // L_Exit, Alt+F4 or a close by the desktop; emitted like switchRequested.
    void exit_requested();
    // F1 / L_Help.
    void help_toggle_requested();
    // The tray icon, once the first frame is shown; never on a desktop without a tray.
    void tray_icon_added(QSystemTrayIcon* tray_icon);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // engine::Effects
    void play_clip(std::string_view name) override;
    void play_sequence(std::span<const std::string_view> names) override;
    void copy_to_clipboard(std::string_view text) override;
    void autoload_changed(bool ticked) override;
    void focus_window() override;
    void easter_egg() override;
    void check_mismatch() override;

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
    void paste();
    ClipboardReader& clipboard_reader();
    void handle_key_press(const QKeyEvent& event);
    void handle_key_release(const QKeyEvent& event);
    void request_switch(CalculatorKind target);
    void request_exit();
    void ask_feedback();
    void show_color_egg();
    void show_again();
    void sync_tape();

    engine::Calculator calculator_;
    InformBox inform_box_;
    QuestionBox question_box_;
    ClipPlayer clip_player_;
    struct Voice;
    std::unique_ptr<Voice> voice_;  // the audio output, opened on the first clip only
    std::unique_ptr<ColorEgg> color_egg_;
    QSystemTrayIcon* tray_icon_ = nullptr;
    QTimer* capture_timer_ = nullptr;
    std::unique_ptr<ClipboardReader> clipboard_reader_;  // made on the first read
    engine::Tape* tape_ = nullptr;
    std::unique_ptr<engine::Tape> own_tape_;  // when no session tape was attached
    TapePanel* tape_panel_ = nullptr;
    // 朗读结果, a check item of the window's own actions, which the tray menu lists.
    QAction* read_results_item_ = nullptr;

    // The controls; each widget's objectName is its control name, which tests and the
    // end-to-end scripts look up:
    //   strip_top_ Pic_shang, strip_bottom_ Pic_xia, strip_left_ Pic_zuo, strip_right_ Pic_you,
    //   help_button_ L_Help, mini_button_ L_Mini, exit_button_ L_Exit, display_ T_Show,
    //   voice_indicator_ T_SoundSign, operator_indicator_ T_Sign, rounding_list_ Combo_Cut,
    //   decimals_list_ Combo_Dot, autocopy_box_ C_AutoCopy, capture_box_ C_AutoLoad,
    //   logo_ Image_Logo, memory_box_ T_Memory, capture_timer_ Timer1, read_results_item_
    //   Act_ReadResults; the keys are Cmd_*.
    QWidget* strip_top_ = nullptr;
    QWidget* strip_bottom_ = nullptr;
    QWidget* strip_left_ = nullptr;
    QWidget* strip_right_ = nullptr;
    ClickLabel* help_button_ = nullptr;
    ClickLabel* mini_button_ = nullptr;
    ClickLabel* exit_button_ = nullptr;
    QLineEdit* display_ = nullptr;
    QLabel* voice_indicator_ = nullptr;
    QLabel* operator_indicator_ = nullptr;
    QComboBox* rounding_list_ = nullptr;
    QComboBox* decimals_list_ = nullptr;
    QCheckBox* autocopy_box_ = nullptr;
    QCheckBox* capture_box_ = nullptr;
    QLabel* logo_ = nullptr;
    QLineEdit* memory_box_ = nullptr;
    QWidget* help_area_ = nullptr;
};

}  // namespace orvane
