#include "ui/main/tallybox.h"

#include "ui/common/calculator_switch.h"

#include <algorithm>

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QSystemTrayIcon>
#include <QTimer>

#include "engine/screen_texts.h"
#include "startup/main_window_presets.h"
#include "ui/common/after_first_frame.h"
#include "ui/common/clipboard_reader.h"
#include "ui/common/clipboard_service.h"
#include "ui/common/fonts.h"
#include "ui/common/label_fit.h"
#include "ui/common/twips.h"
#include "ui/egg/color_egg.h"
#include "ui/main/click_label.h"
#include "ui/main/display_font.h"
#include "ui/main/dock/dock_rules.h"
#include "ui/main/main_texts.h"
#include "ui/main/program_images.h"

#include "voice/voice_player.h"

namespace orvane {

struct Tallybox::Voice {
    VoicePlayer player;
};

namespace {

QString text_of(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

Tallybox::ClipPlayer& default_clip_player() {
    static Tallybox::ClipPlayer player;
    return player;
}

// The one-pixel border just inside `area`.
void fill_outline(QPainter& painter, const QRect& area, const QColor& colour) {
    painter.fillRect(area.left(), area.top(), area.width(), 1, colour);
    painter.fillRect(area.left(), area.bottom(), area.width(), 1, colour);
    painter.fillRect(area.left(), area.top(), 1, area.height(), colour);
    painter.fillRect(area.right(), area.top(), 1, area.height(), colour);
}

// The rounding list holds the modes in kRoundingModes order, the decimals list the counts
// from 0 up.
int list_index(engine::Rounding mode) {
    const auto& modes = engine::kRoundingModes;
    return static_cast<int>(std::find(modes.begin(), modes.end(), mode) - modes.begin());
}

}  // namespace

Tallybox::Tallybox(engine::Registers& registers, const StartupValues& startup, QWidget* parent)
    : QWidget(parent, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      calculator_(registers, *this),
      clip_player_(default_clip_player()) {
    register_program_images();
    setObjectName(QStringLiteral("Tallybox"));
    setFont(ui_font(Face::system, 9));
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    setWindowIcon(program_icon());
    build_controls();
    connect_controls();
    load(startup);
    fit_label_texts(*this);
    // The tray icon is not part of the window's first frame; on a desktop with a notification
    // area its set-up costs a round trip or two over the session bus.
    after_first_frame(*this, [this] { add_tray_icon(); });
}

Tallybox::~Tallybox() = default;

void Tallybox::set_inform_box(InformBox box) {
    inform_box_ = std::move(box);
}
void Tallybox::set_question_box(QuestionBox box) {
    question_box_ = std::move(box);
}
void Tallybox::set_clip_player(ClipPlayer player) {
    clip_player_ = std::move(player);
}
void Tallybox::set_default_clip_player(ClipPlayer player) {
    default_clip_player() = std::move(player);
}

void Tallybox::connect_controls() {
    connect(rounding_list_, &QComboBox::activated, this, [this](int index) {
        calculator_.set_rounding(engine::kRoundingModes.at(static_cast<std::size_t>(index)));
        refresh();
    });
    connect(decimals_list_, &QComboBox::activated, this, [this](int index) {
        calculator_.set_decimals(index);
        refresh();
    });
    connect(autocopy_box_, &QCheckBox::clicked, this, [this](bool ticked) {
        calculator_.set_autocopy(ticked);
        refresh();
    });
    connect(capture_box_, &QCheckBox::clicked, this, [this](bool ticked) {
        calculator_.set_autoload(ticked);
        refresh();
    });
    connect(read_results_item_, &QAction::triggered, this, [this](bool checked) {
        calculator_.set_read_results(checked);
        refresh();
    });
    connect(help_button_, &ClickLabel::clicked, this, [this] { emit help_toggle_requested(); });
    connect(exit_button_, &ClickLabel::clicked, this, [this] { request_exit(); });
    connect(capture_timer_, &QTimer::timeout, this, [this] { capture_tick(); });
}

// The load step: topmost (a window flag), calculator width, the engine's reset with the
// start-up presets, then centred on the screen. The tray icon follows the first frame.
void Tallybox::load(const StartupValues& startup) {
    resize(px_from_twips(dock::kCalculatorWidth), px_from_twips(dock::kCalculatorHeight));
    calculator_.load(engine::main_window_presets(startup));
    refresh();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect area = rect();
        area.moveCenter(screen->geometry().center());
        move(area.topLeft());
    }
}

void Tallybox::add_tray_icon() {
    if (!QSystemTrayIcon::isSystemTrayAvailable()) {
        return;
    }
    tray_icon_ = new QSystemTrayIcon(windowIcon(), this);
    tray_icon_->setToolTip(tray_tooltip(ORVANE_VERSION_MAJOR, ORVANE_VERSION_MINOR));
    tray_icon_->show();
    emit tray_icon_added(tray_icon_);
}

void Tallybox::press(engine::Key key) {
    calculator_.press(key);
    refresh();
}

void Tallybox::run_command(const engine::Command& command) {
    if (const auto* key = std::get_if<engine::Key>(&command)) {
        press(*key);
        return;
    }
    switch (std::get<engine::WindowCommand>(command)) {
        case engine::WindowCommand::help:
            emit help_toggle_requested();
            break;
        case engine::WindowCommand::exit:
            request_exit();
            break;
        case engine::WindowCommand::tape:
            toggle_tape();
            break;
    }
}

// Shows the engine's control state on the widgets; the check boxes are set without running
// their click operations again.
void Tallybox::refresh() {
    const engine::Controls& controls = calculator_.controls();
    display_->setText(text_of(controls.display));
    fit_display_font();
    const QString symbol = text_of(engine::operator_symbol(controls.sign));
    operator_indicator_->setText(symbol);
    // A screen reader hears the pending operator. Setting the name raises a name-change event,
    // so it is set only when the operator changed, not on every key.
    const QString spoken =
        symbol.isEmpty() ? QStringLiteral("运算符") : QStringLiteral("运算符 ") + symbol;
    if (operator_indicator_->accessibleName() != spoken) {
        operator_indicator_->setAccessibleName(spoken);
    }
    operator_indicator_->setVisible(controls.sign_visible);
    memory_box_->setText(text_of(controls.memory));
    if (controls.voice_indicator && voice_indicator_->isHidden()) {
        fit_label_text(*voice_indicator_);  // fitted when first shown, not before the first frame
    }
    voice_indicator_->setVisible(controls.voice_indicator);
    rounding_list_->setCurrentIndex(list_index(controls.rounding));
    decimals_list_->setCurrentIndex(controls.decimals <= engine::kListedDecimals ? controls.decimals
                                                                                 : -1);
    decimals_list_->setEnabled(controls.decimals_enabled);
    {
        const QSignalBlocker block_copy(autocopy_box_);
        const QSignalBlocker block_load(capture_box_);
        autocopy_box_->setChecked(controls.autocopy);
        capture_box_->setChecked(controls.autoload);
    }
    {
        const QSignalBlocker block_item(read_results_item_);
        read_results_item_->setChecked(calculator_.registers().read_results);
    }
    if (controls.autoload != capture_timer_->isActive()) {
        autoload_changed(controls.autoload);
    }
    sync_tape();
}

int Tallybox::display_room() const {
    QStyleOptionFrame option;
    option.initFrom(display_);
    option.rect = display_->rect();
    option.lineWidth = display_->hasFrame() ? display_->style()->pixelMetric(
                                                  QStyle::PM_DefaultFrameWidth, &option, display_)
                                            : 0;
    const QRect contents =
        display_->style()->subElementRect(QStyle::SE_LineEditContents, &option, display_);
    const QMargins margins = display_->textMargins();
    // The line edit keeps two pixels of its own on either side of the text.
    constexpr int kInnerMargin = 2;
    return contents.width() - margins.left() - margins.right() - 2 * kInnerMargin - 1;
}

void Tallybox::fit_display_font() {
    const QString text = display_->text();
    QFont font = ui_font(Face::arial_narrow, kDisplayPoints, true);
    const double points =
        fitting_point_size(kDisplayPoints, kDisplayMinimumPoints, display_room(), [&](double size) {
            QFont trial = font;
            trial.setPointSizeF(size);
            return QFontMetrics(trial).horizontalAdvance(text);
        });
    if (display_->font().pointSizeF() != points) {
        font.setPointSizeF(points);
        display_->setFont(font);
    }
}

// The clipboard's text may come later, from the event loop, when another program owns it; a
// read it never answers changes nothing. By then the capture may have been unticked, which the
// engine's tick respects.
void Tallybox::capture_tick() {
    clipboard_reader().read_text(ClipboardReader::Purpose::capture, [this](const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        calculator_.capture_tick(
            std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())));
        refresh();
    });
}

void Tallybox::paste() {
    clipboard_reader().read_text(ClipboardReader::Purpose::paste, [this](const QString& text) {
        calculator_.paste(text.toStdString());
        refresh();
    });
}

ClipboardReader& Tallybox::clipboard_reader() {
    if (!clipboard_reader_) {
        clipboard_reader_ = make_clipboard_reader();
    }
    return *clipboard_reader_;
}

DockWidgets Tallybox::desktop_parts() {
    DockWidgets parts;
    parts.window = this;
    parts.logo = logo_;
    parts.display = display_;
    parts.memory = memory_box_;
    parts.strip_top = strip_top_;
    parts.strip_bottom = strip_bottom_;
    parts.strip_left = strip_left_;
    parts.strip_right = strip_right_;
    parts.help_button = help_button_;
    parts.mini_button = mini_button_;
    parts.exit_button = exit_button_;
    parts.help_area = help_area_;
    parts.give_focus = [this] { take_keyboard_focus(); };
    return parts;
}

void Tallybox::take_keyboard_focus() {
    if (!isActiveWindow()) {
        activateWindow();
    }
    setFocus(Qt::OtherFocusReason);
}

void Tallybox::request_switch(CalculatorKind target) {
    request_switch_later(this, target);
}

void Tallybox::request_exit() {
    QTimer::singleShot(0, this, [this] { emit exit_requested(); });
}

// engine::Effects

void Tallybox::play_clip(std::string_view name) {
    if (clip_player_) {
        clip_player_(name);
        return;
    }
    // Created on the first clip, so that no audio is touched at start-up.
    if (!voice_) {
        voice_ = std::make_unique<Voice>();
    }
    voice_->player.play(name);
}

void Tallybox::play_sequence(std::span<const std::string_view> names) {
    if (clip_player_) {
        for (const std::string_view name : names) {
            clip_player_(name);
        }
        return;
    }
    if (!voice_) {
        voice_ = std::make_unique<Voice>();
    }
    voice_->player.play_sequence(names);
}

void Tallybox::copy_to_clipboard(std::string_view text) {
    orvane::copy_to_clipboard(text_of(text));
}

void Tallybox::autoload_changed(bool ticked) {
    if (ticked) {
        capture_timer_->start();
    } else {
        capture_timer_->stop();
    }
}

void Tallybox::focus_window() {
    take_keyboard_focus();
}

// Drawn frames: the calculator's outline, the help panel's white ground and outline, and the
// two separators of the title buttons.
void Tallybox::paintEvent(QPaintEvent* /*event*/) {
    // One-pixel lines are filled rectangles: a stroked outline would take the painter through
    // its rasteriser, whose buffers cost the first frame memory and time.
    QPainter painter(this);
    fill_outline(painter, twips_rect(0, 0, dock::kCalculatorWidth, dock::kCalculatorHeight),
                 kTitleNormal);
    const QRect panel = twips_rect(6720, 0, 3735, dock::kCalculatorHeight);
    painter.fillRect(panel, Qt::white);
    fill_outline(painter, panel, kTitleNormal);
    for (const int x : {5520, 6000}) {
        painter.fillRect(px_from_twips(x), 0, 1, px_from_twips(240), QColor(128, 128, 128));
    }
}

void Tallybox::closeEvent(QCloseEvent* event) {
    // The close step: the tray icon goes with the window.
    if (tray_icon_ != nullptr) {
        tray_icon_->hide();
    }
    event->accept();
    if (event->spontaneous()) {
        // Closed by the desktop (Alt+F4 through the window manager): as L_Exit.
        request_exit();
    }
}

}  // namespace orvane
