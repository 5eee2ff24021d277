#include "ui/main/tape/tape_panel.h"

#include <algorithm>

#include <QAccessible>
#include <QCloseEvent>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "engine/tape_texts.h"
#include "ui/common/clipboard_service.h"
#include "ui/common/fonts.h"
#include "ui/main/tape/tape_model.h"
#include "ui/main/tape/tape_print.h"

namespace orvane {
namespace {

QString text_of(const std::string& utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString ask_save_path(QWidget* parent) {
    return QFileDialog::getSaveFileName(parent, QStringLiteral("保存计算记录"), QString(),
                                        QStringLiteral("CSV 文件 (*.csv);;文本文件 (*.txt)"));
}

// Rows drawn straight from their roles: the style's item panel and one right-aligned text,
// without the general delegate's per-row measuring (check boxes, icons, elision).
class TapeRowPainter : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        const QVariant background = index.data(Qt::BackgroundRole);
        if (selected) {
            painter->fillRect(option.rect, option.palette.highlight());
        } else if (background.isValid()) {
            painter->fillRect(option.rect, background.value<QBrush>());
        }
        const QVariant foreground = index.data(Qt::ForegroundRole);
        painter->setPen(selected               ? option.palette.highlightedText().color()
                        : foreground.isValid() ? foreground.value<QBrush>().color()
                                               : option.palette.text().color());
        const QVariant font = index.data(Qt::FontRole);
        painter->setFont(font.isValid() ? font.value<QFont>() : option.font);
        painter->drawText(option.rect.adjusted(4, 0, -4, 0), Qt::AlignRight | Qt::AlignVCenter,
                          index.data(Qt::DisplayRole).toString());
    }
};

QPushButton* add_button(QHBoxLayout* row, const QString& caption, const char* name) {
    auto* button = new QPushButton(caption);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setFocusPolicy(Qt::TabFocus);
    row->addWidget(button);
    return button;
}

}  // namespace

TapePanel::TapePanel(engine::Tape& tape, QWidget* calculator)
    : QWidget(calculator, Qt::Tool | Qt::WindowStaysOnTopHint),
      tape_(tape),
      calculator_(calculator),
      choose_save_path_(ask_save_path) {
    setObjectName(QStringLiteral("Tape"));
    setWindowTitle(QStringLiteral("计算记录"));
    setAccessibleName(QStringLiteral("计算记录"));
    // Opened with F8 while keying: the calculator keeps the keyboard until the tape is clicked.
    setAttribute(Qt::WA_ShowWithoutActivating);
    build();
    calculator_->installEventFilter(this);
}

void TapePanel::build() {
    model_ = new TapeModel(tape_, this);
    list_ = new QListView;
    list_->setObjectName(QStringLiteral("Tape_List"));
    list_->setAccessibleName(QStringLiteral("计算记录"));
    list_->setModel(model_);
    list_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    list_->setUniformItemSizes(true);  // 10,000 lines scroll without measuring each
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setItemDelegate(new TapeRowPainter(list_));
    list_->setLayoutMode(QListView::Batched);
    // The Latin face's digits are all of one width, so the right-aligned columns line up.
    list_->setFont(ui_font(Face::arial, 10));

    dropped_label_ = new QLabel;
    dropped_label_->setObjectName(QStringLiteral("Tape_Dropped"));
    dropped_label_->hide();
    latest_ = new QLabel;
    latest_->setObjectName(QStringLiteral("Tape_Latest"));
    latest_->setAccessibleName(QStringLiteral("最新一行"));
    // A new text repaints the label only; the window's layout stays as it is.
    latest_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    latest_->setFixedHeight(latest_->fontMetrics().height() + 4);
    message_ = new QLabel;
    message_->setObjectName(QStringLiteral("Tape_Message"));
    message_->setStyleSheet(QStringLiteral("color: rgb(200, 0, 0)"));
    message_->hide();

    number_box_ = new QLineEdit;
    number_box_->setObjectName(QStringLiteral("Tape_Number"));
    number_box_->setAccessibleName(QStringLiteral("改正为"));
    number_box_->setPlaceholderText(QStringLiteral("选中一个数，输入新数"));

    auto* correct_row = new QHBoxLayout;
    correct_row->addWidget(number_box_, 1);
    correct_button_ = add_button(correct_row, QStringLiteral("改正"), "Tape_Correct");
    check_button_ = add_button(correct_row, QStringLiteral("复核"), "Tape_Check");

    auto* file_row = new QHBoxLayout;
    auto* copy_button = add_button(file_row, QStringLiteral("复制"), "Tape_Copy");
    auto* save_button = add_button(file_row, QStringLiteral("保存"), "Tape_Save");
    auto* print_button = add_button(file_row, QStringLiteral("打印"), "Tape_Print");
    auto* clear_button = add_button(file_row, QStringLiteral("清空"), "Tape_Clear");

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(dropped_label_);
    layout->addWidget(list_, 1);
    layout->addWidget(latest_);
    layout->addLayout(correct_row);
    layout->addWidget(message_);
    layout->addLayout(file_row);
    resize(280, 420);

    // New lines keep the list at its end unless the user scrolled up to read older ones.
    connect(list_->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this](int value) { follow_end_ = value >= list_->verticalScrollBar()->maximum(); });
    connect(correct_button_, &QPushButton::clicked, this, [this] { request_correction(); });
    connect(number_box_, &QLineEdit::returnPressed, this, [this] { request_correction(); });
    connect(check_button_, &QPushButton::clicked, this, [this] { emit check_toggled(); });
    connect(copy_button, &QPushButton::clicked, this, [this] { copy(); });
    connect(save_button, &QPushButton::clicked, this, [this] { save(); });
    connect(print_button, &QPushButton::clicked, this, [this] { print(); });
    connect(clear_button, &QPushButton::clicked, this, [this] { emit clear_requested(); });
    auto* copy_keys =
        new QShortcut(QKeySequence::Copy, list_, nullptr, nullptr, Qt::WidgetShortcut);
    connect(copy_keys, &QShortcut::activated, this, [this] { copy(); });
}

void TapePanel::set_save_path_chooser(SavePathChooser chooser) {
    choose_save_path_ = chooser ? std::move(chooser) : SavePathChooser(ask_save_path);
}

void TapePanel::set_wanted(bool open) {
    wanted_ = open;
    if (open) {
        sync();
        follow();
        show();
        raise();
    } else {
        hide();
    }
}

void TapePanel::sync() {
    const bool added = model_->sync();
    update_status();
    if (model_->rowCount() == 0) {
        return;
    }
    const QModelIndex last = model_->index(model_->rowCount() - 1);
    if (added && follow_end_) {
        list_->scrollToBottom();
    }
    const QString spoken = last.data(Qt::AccessibleTextRole).toString();
    if (latest_->accessibleName() != spoken) {
        // The newest line is announced: its label's name changes, as the display's text does.
        latest_->setText(last.data().toString());
        latest_->setAccessibleName(spoken);
        if (QAccessible::isActive()) {
            QAccessibleEvent event(latest_, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }
}

void TapePanel::update_status() {
    if (tape_.dropped() > 0) {
        dropped_label_->setText(text_of(engine::dropped_lines_text(tape_.dropped())));
        dropped_label_->show();
    } else {
        dropped_label_->hide();
    }
    check_button_->setText(tape_.checking() ? QStringLiteral("结束复核") : QStringLiteral("复核"));
    if (tape_.lines().empty()) {
        latest_->clear();
    }
}

void TapePanel::show_message(const QString& text) {
    message_->setText(text);
    message_->setVisible(!text.isEmpty());
    if (!text.isEmpty()) {
        QAccessibleEvent event(message_, QAccessible::NameChanged);
        message_->setAccessibleName(text);
        QAccessible::updateAccessibility(&event);
    }
}

void TapePanel::request_correction() {
    const QModelIndex current = list_->currentIndex();
    if (!current.isValid()) {
        show_message(QStringLiteral("请先选中要改正的数"));
        return;
    }
    emit correction_requested(current.row(), number_box_->text());
}

QString TapePanel::copy_text() const {
    QModelIndexList rows = list_->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QString text;
    if (rows.isEmpty()) {
        for (int row = 0; row < model_->rowCount(); ++row) {
            text += model_->index(row).data(TapeModel::kPlainTextRole).toString() + u'\n';
        }
        return text;
    }
    for (const QModelIndex& row : rows) {
        text += row.data(TapeModel::kPlainTextRole).toString() + u'\n';
    }
    return text;
}

void TapePanel::copy() {
    copy_to_clipboard(copy_text());
}

QByteArray TapePanel::csv_bytes() const {
    const std::string csv = engine::tape_csv(tape_, engine::TapeCsvStyle::spreadsheet);
    return QByteArray(csv.data(), static_cast<qsizetype>(csv.size()));
}

// Text saved for other programs: a byte-order mark and CR LF, as the CSV.
QByteArray TapePanel::text_bytes() const {
    std::string text = "\xEF\xBB\xBF";
    for (const auto& line : tape_.lines()) {
        text += engine::tape_line_text(line, engine::NumberStyle::plain) + "\r\n";
    }
    return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

bool TapePanel::write_pdf(const QString& path) const {
    return write_tape_pdf(tape_, path);
}

void TapePanel::save() {
    const QString path = choose_save_path_(this);
    if (path.isEmpty()) {
        return;
    }
    const QByteArray bytes =
        path.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive) ? text_bytes() : csv_bytes();
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size() || !file.flush()) {
        show_message(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
        return;
    }
    show_message({});
}

void TapePanel::print() {
    print_tape(tape_, this);
}

// Beside the calculator, on the side of the screen with room, top edges level.
void TapePanel::follow() {
    const QRect calc = calculator_->frameGeometry();
    const QScreen* screen = calculator_->screen();
    const QRect area = screen != nullptr ? screen->availableGeometry() : QRect();
    const QRect frame = frameGeometry();
    const int extra = frame.width() - width();
    int x = calc.right() + 1;
    if (area.isValid() && x + width() + extra > area.right() &&
        calc.left() - frame.width() >= area.left()) {
        x = calc.left() - frame.width();
    }
    move(x, calc.top());
}

bool TapePanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == calculator_ && wanted_) {
        switch (event->type()) {
            case QEvent::Move:
            case QEvent::Resize:
                follow();
                break;
            case QEvent::Hide:
                hide();
                break;
            case QEvent::Show:
                follow();
                show();
                break;
            default:
                break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

// F8 closes the tape from its own window too.
void TapePanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F8 && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void TapePanel::closeEvent(QCloseEvent* event) {
    wanted_ = false;
    emit closed();
    QWidget::closeEvent(event);
}

}  // namespace orvane
