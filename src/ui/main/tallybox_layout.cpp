// Building the window's controls from the layout tables (places in twips).
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <array>
#include <string_view>

#include "engine/screen_texts.h"
#include "ui/common/accessible_label.h"
#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/main/click_label.h"
#include "ui/main/display_font.h"
#include "ui/main/dock/dock_rules.h"
#include "ui/main/main_texts.h"
#include "ui/main/tallybox.h"

namespace orvane {

namespace {

using engine::Key;

constexpr int kKeyWidth = 975;
constexpr int kKeyHeight = 735;
const QColor kIndicatorColour(0, 0, 192);

struct KeyLayout {
    const char* name;
    int left;
    int top;
    int width;
    const char* caption;
    Face face;
    double points;
    const char* tooltip;
    Key key;
};

// The keypad: five rows of six keys (the voice key shares the first cell of the MS row).
const std::array<KeyLayout, 29> kKeys{{
    {"Cmd_Sound", 1680, 1800, 495, "S", Face::arial, 21.75, "语音功能开关 （F3）",
     Key::voice_switch},
    {"Cmd_Save", 2280, 1800, kKeyWidth, "MS", Face::arial, 21.75,
     "保存当前计算结果到缓存 （Ctrl + S）", Key::memory_store},
    {"Cmd_Add", 3360, 1800, kKeyWidth, "M+", Face::arial, 21.75,
     "累计当前计算结果到缓存 （Ctrl + A）", Key::memory_add},
    {"Cmd_Read", 4440, 1800, kKeyWidth, "MR", Face::arial, 21.75, "读取缓存中的数值 （Ctrl + R）",
     Key::memory_read},
    {"Cmd_CM", 5520, 1800, kKeyWidth, "MC", Face::arial, 21.75, "清空缓存 （Ctrl + C）",
     Key::memory_clear},
    {"Cmd_Sign", 120, 2640, kKeyWidth, "+/-", Face::arial, 26.25, "正负号", Key::sign},
    {"Cmd_7", 1200, 2640, kKeyWidth, "7", Face::arial, 26.25, "", Key::digit7},
    {"Cmd_8", 2280, 2640, kKeyWidth, "8", Face::arial, 26.25, "", Key::digit8},
    {"Cmd_9", 3360, 2640, kKeyWidth, "9", Face::arial, 26.25, "", Key::digit9},
    {"Cmd_Division", 4440, 2640, kKeyWidth, "÷", Face::sim_sun, 26.25, "除以 （/）", Key::divide},
    {"Cmd_GT", 5520, 2640, kKeyWidth, "GT", Face::arial, 21.75, "历史计算值和 （G）",
     Key::grand_total},
    {"Cmd_Back", 120, 3480, kKeyWidth, "→", Face::sim_sun, 36, "清除最后一位 （空格键/Backspace）",
     Key::backspace},
    {"Cmd_4", 1200, 3480, kKeyWidth, "4", Face::arial, 26.25, "", Key::digit4},
    {"Cmd_5", 2280, 3480, kKeyWidth, "5", Face::arial, 26.25, "", Key::digit5},
    {"Cmd_6", 3360, 3480, kKeyWidth, "6", Face::arial, 26.25, "", Key::digit6},
    {"Cmd_Multiplication", 4440, 3480, kKeyWidth, "×", Face::sim_sun, 26.25, "乘以 （*）",
     Key::multiply},
    {"Cmd_Evolution", 5520, 3480, kKeyWidth, "KF", Face::arial, 21.75, "开平方 （F）",
     Key::square_root},
    {"Cmd_CleanAll", 120, 4320, kKeyWidth, "AC", Face::arial, 21.75, "全部清除 （Esc）",
     Key::clear_all},
    {"Cmd_1", 1200, 4320, kKeyWidth, "1", Face::arial, 26.25, "", Key::digit1},
    {"Cmd_2", 2280, 4320, kKeyWidth, "2", Face::arial, 26.25, "", Key::digit2},
    {"Cmd_3", 3360, 4320, kKeyWidth, "3", Face::arial, 26.25, "", Key::digit3},
    {"Cmd_Subtration", 4440, 4320, kKeyWidth, "－", Face::sim_sun, 26.25, "减", Key::subtract},
    {"Cmd_Percent", 5520, 4320, kKeyWidth, "%", Face::arial, 21.75, "百分比 （B）", Key::percent},
    {"Cmd_Clean", 120, 5160, kKeyWidth, "C", Face::arial, 21.75, "清除当前数值 （Del 或 Delete）",
     Key::clear},
    {"Cmd_0", 1200, 5160, kKeyWidth, "0", Face::arial, 26.25, "", Key::digit0},
    {"Cmd_00", 2280, 5160, kKeyWidth, "00", Face::arial, 26.25, "", Key::double_zero},
    {"Cmd_Dot", 3360, 5160, kKeyWidth, "·", Face::arial, 26.25, "小数点", Key::point},
    {"Cmd_Addition", 4440, 5160, kKeyWidth, "＋", Face::sim_sun, 26.25, "加", Key::add},
    {"Cmd_Amount", 5520, 5160, kKeyWidth, "＝", Face::sim_sun, 26.25, "等于 （回车键）",
     Key::equals},
}};

struct TitleLayout {
    const char* name;
    int left;
    int width;
    int height;
    const char* caption;
    const char* tooltip;
    Face face;
    double points;
};

// The title buttons at the top right. A separator line sits on the left edge of "_" and
// "×"; those two start one pixel further right so that the line stays visible.
const std::array<TitleLayout, 3> kTitleButtons{{
    {"L_Help", 5040, 480, 300, "?", "软件信息及帮助说明 （F1）", Face::arial, 10.5},
    {"L_Mini", 5520, 480, 300, "_", "最小化计算器", Face::arial, 9},
    {"L_Exit", 6000, 476, 315, "×", "关闭计算器", Face::sim_sun, 12},
}};

QString text_of(const char* utf8) {
    return QString::fromUtf8(utf8);
}
QString text_of(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QWidget* make_strip(QWidget* parent, const char* name, int left, int top, int width, int height) {
    auto* strip = new QWidget(parent);
    strip->setObjectName(text_of(name));
    strip->setAutoFillBackground(true);  // the window's face colour
    strip->setMouseTracking(true);
    place(strip, left, top, width, height);
    return strip;
}

ClickLabel* make_title_button(QWidget* parent, const TitleLayout& row, bool after_separator) {
    auto* label = new ClickLabel(text_of(row.caption), parent);
    label->setObjectName(text_of(row.name));
    label->setToolTip(text_of(row.tooltip));
    ui::label_for_access(label, row.tooltip, row.caption);
    label->setFont(ui_font(row.face, row.points, true));
    label->setAlignment(Qt::AlignCenter);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, kTitleNormal);
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    label->setMouseTracking(true);
    QRect area = twips_rect(row.left, 0, row.width, row.height);
    if (after_separator) {
        area.setLeft(area.left() + 1);
    }
    label->setGeometry(area);
    // The display covers the buttons' lower edge; centre the caption in what stays visible.
    const int covered = area.bottom() + 1 - px_from_twips(240);
    if (covered > 0) {
        label->setContentsMargins(0, 0, 0, covered);
    }
    return label;
}

QLabel* make_indicator(QWidget* parent, const char* name, int top, const char* text,
                       const char* tooltip, const QFont& font) {
    auto* indicator = new QLabel(text_of(text), parent);
    indicator->setObjectName(text_of(name));
    indicator->setToolTip(text_of(tooltip));
    ui::label_for_access(indicator, tooltip, text);
    indicator->setFont(font);
    indicator->setAlignment(Qt::AlignCenter);
    indicator->setAutoFillBackground(true);
    QPalette palette = indicator->palette();
    palette.setColor(QPalette::Window, kIndicatorColour);
    palette.setColor(QPalette::WindowText, Qt::white);
    indicator->setPalette(palette);
    place(indicator, 170, top, 360, 360);
    indicator->hide();
    return indicator;
}

QLabel* make_caption(QWidget* parent, const char* name, int left, const char* text) {
    auto* label = new QLabel(text_of(text), parent);
    label->setObjectName(text_of(name));
    // The designed height (180) is lower than the face's line; keep the centre, grow to fit.
    QRect area = twips_rect(left, 1395, 735, 180);
    const int line = label->fontMetrics().height();
    if (line > area.height()) {
        area.adjust(0, -(line - area.height()) / 2, 0, (line - area.height() + 1) / 2);
    }
    label->setGeometry(area);
    return label;
}

QComboBox* make_list(QWidget* parent, const char* name, int left, int width,
                     const QStringList& items) {
    auto* list = new QComboBox(parent);
    list->setObjectName(text_of(name));
    list->setEditable(false);
    list->addItems(items);
    // The mouse works the list; keys belong to the calculator (Space, arrows and Tab too).
    list->setFocusPolicy(Qt::NoFocus);
    // The lists show the window's own face (9 points). They inherit it rather than set it:
    // a font set on a list builds its drop-down view at once instead of on first use.
    place(list, left, 1320, width, 345);
    return list;
}

QCheckBox* make_check(QWidget* parent, const char* name, int left, const char* text,
                      const char* tooltip) {
    auto* check = new QCheckBox(text_of(text), parent);
    check->setObjectName(text_of(name));
    check->setToolTip(text_of(tooltip));
    ui::label_for_access(check, tooltip, text);
    check->setFocusPolicy(Qt::NoFocus);  // like the lists
    place(check, left, 1365, 1095, 255);
    return check;
}

QPushButton* make_bottom_button(QWidget* parent, const char* name, int left, const char* text,
                                const char* tooltip) {
    auto* button = new QPushButton(text_of(text), parent);
    button->setObjectName(text_of(name));
    button->setToolTip(text_of(tooltip));
    ui::label_for_access(button, tooltip, text);
    button->setFocusPolicy(Qt::NoFocus);
    place(button, left, 6000, 2055, 375);
    return button;
}

}  // namespace

void Tallybox::build_controls() {
    // Creation order is stacking order: the strips lie under everything, the title buttons
    // under the display, the two indicators over its left end.
    strip_top_ = make_strip(this, "Pic_shang", 120, 57, 4876, 255);
    strip_bottom_ = make_strip(this, "Pic_xia", 57, 6300, 6495, 165);
    strip_left_ = make_strip(this, "Pic_zuo", 23, 57, 142, 6315);
    strip_right_ = make_strip(this, "Pic_you", 6491, 57, 113, 6375);

    help_button_ = make_title_button(this, kTitleButtons[0], false);
    mini_button_ = make_title_button(this, kTitleButtons[1], true);
    exit_button_ = make_title_button(this, kTitleButtons[2], true);

    display_ = new QLineEdit(this);
    display_->setObjectName(QStringLiteral("T_Show"));
    display_->setAccessibleName(QStringLiteral("显示"));
    display_->setReadOnly(true);
    display_->setFocusPolicy(Qt::NoFocus);
    display_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    display_->setFont(ui_font(Face::arial_narrow, kDisplayPoints, true));
    display_->setMouseTracking(true);
    QPalette show_palette = display_->palette();
    show_palette.setColor(QPalette::Text, kIndicatorColour);
    display_->setPalette(show_palette);
    place(display_, 120, 240, 6375, 990);
    // The indicators cover the display's left end; the text keeps clear of them.
    display_->setTextMargins(px_from_twips(530) - px_from_twips(120), 0, 0, 0);

    voice_indicator_ = make_indicator(this, "T_SoundSign", 285, "S", "语音功能开启标志",
                                      ui_font(Face::arial, 15.75));
    operator_indicator_ =
        make_indicator(this, "T_Sign", 765, "", "运算符提醒标志", ui_font(Face::sim_sun, 18, true));

    make_caption(this, "Label2", 180, "小数处理");
    QStringList modes;
    for (const engine::Rounding mode : engine::kRoundingModes) {
        modes << text_of(engine::rounding_caption(mode));
    }
    rounding_list_ = make_list(this, "Combo_Cut", 960, 1215, modes);
    make_caption(this, "Label1", 2340, "保留小数");
    QStringList counts;
    for (int count = 0; count <= engine::kListedDecimals; ++count) {
        counts << QString::number(count);
    }
    decimals_list_ = make_list(this, "Combo_Dot", 3120, 615, counts);
    autocopy_box_ = make_check(this, "C_AutoCopy", 4080, "自动复制", "自动复制计算结果");
    capture_box_ = make_check(this, "C_AutoLoad", 5400, "自动捕获", "自动捕获系统剪贴板中的数字");

    logo_ = new QLabel(this);
    logo_->setObjectName(QStringLiteral("Image_Logo"));
    logo_->setToolTip(kLogoTooltip);
    logo_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const QPixmap logo(QStringLiteral(":/images/logo_small.png"), "PNG");
    if (!logo.isNull()) {
        logo_->setPixmap(logo);
    }
    place(logo_, 120, 1740, 1425, 405);

    memory_box_ = new QLineEdit(this);
    memory_box_->setObjectName(QStringLiteral("T_Memory"));
    memory_box_->setAccessibleName(QStringLiteral("缓存"));
    memory_box_->setReadOnly(true);
    memory_box_->setFocusPolicy(Qt::NoFocus);
    memory_box_->setAlignment(Qt::AlignCenter);
    memory_box_->setFont(ui_font(Face::arial, 10.5, true));
    QPalette memory_palette = memory_box_->palette();
    memory_palette.setColor(QPalette::Text, QColor(255, 0, 0));
    memory_palette.setColor(QPalette::Base, palette().color(QPalette::Window));
    memory_box_->setPalette(memory_palette);
    place(memory_box_, 120, 2160, 1395, 360);

    for (const KeyLayout& row : kKeys) {
        auto* button = new QPushButton(text_of(row.caption), this);
        button->setObjectName(text_of(row.name));
        if (row.tooltip[0] != '\0') {
            button->setToolTip(text_of(row.tooltip));
        }
        ui::label_for_access(button, row.tooltip, row.caption);
        button->setFont(ui_font(row.face, row.points, true));
        // Keys never take the focus: typed keys keep reaching the window.
        button->setFocusPolicy(Qt::NoFocus);
        place(button, row.left, row.top, row.width, kKeyHeight);
        const Key key = row.key;
        connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
    }

    auto* expression = make_bottom_button(this, "Cmd_Expression", 120, "表达式计算器(F2)",
                                          "切换到表达式计算模式 （F2）");
    connect(expression, &QPushButton::clicked, this,
            [this] { request_switch(CalculatorKind::expression); });
    auto* house = make_bottom_button(this, "Cmd_House", 2280, "按揭贷款计算器(F7)", "");
    connect(house, &QPushButton::clicked, this,
            [this] { request_switch(CalculatorKind::mortgage); });
    auto* feedback = make_bottom_button(this, "Command1", 4440, "等待您的需要", "");
    connect(feedback, &QPushButton::clicked, this, [this] { ask_feedback(); });

    help_area_ = new QWidget(this);
    help_area_->setObjectName(QStringLiteral("help_area"));
    place(help_area_, 6720, 0, 3735, dock::kCalculatorHeight);

    capture_timer_ = new QTimer(this);
    capture_timer_->setObjectName(QStringLiteral("Timer1"));
    capture_timer_->setInterval(1000);

    // No shortcut of its own: F9 goes through the keyboard table like every other key.
    read_results_item_ = new QAction(kReadResultsItem, this);
    read_results_item_->setObjectName(QStringLiteral("Act_ReadResults"));
    read_results_item_->setCheckable(true);
    addAction(read_results_item_);
}

}  // namespace orvane
