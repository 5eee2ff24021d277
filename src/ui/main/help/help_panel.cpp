#include "ui/main/help/help_panel.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMouseEvent>
#include <QPalette>
#include <QPixmap>
#include <QVBoxLayout>

#include "ui/common/fonts.h"
#include "ui/common/twips.h"
#include "ui/main/dock/dock_controller.h"
#include "ui/main/help/help_texts.h"

namespace orvane {

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The texts keep their CR LF line ends; a text box shows each line as one paragraph.
QString shown_text(const std::string& text) {
    QString shown = QString::fromStdString(text);
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (shown.endsWith(QLatin1Char('\n'))) {
        shown.chop(1);  // the final line break ends the last line; it adds no empty line
    }
    return shown;
}

void set_colours(QWidget* widget, const QColor& text, const QColor& background) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, text);
    palette.setColor(QPalette::Window, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

constexpr int kTabLefts[] = {6960, 7920, 8880};
constexpr int kBoxTops[] = {2040, 2160, 2280};  // as designed; all aligned at 2040 on load

}  // namespace

HelpPanel::HelpPanel(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("HelpPanel"));
    set_colours(this, Qt::black, Qt::white);
    resize(px_from_twips(kWidthTwips), px_from_twips(dock::kCalculatorHeight));
    opener_ = [](const QUrl& url) { QDesktopServices::openUrl(url); };

    auto* image = make_label(QString(), 6960, 240, 1815, 1050);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(QPixmap(QStringLiteral(":/images/logo_large.png"), "PNG"));

    auto* series = make_label(qs(help::kSeriesName), 9000, 165, 1335, 255);
    series->setObjectName(QStringLiteral("Label5"));
    series->setFont(ui_font(Face::tahoma, 9));
    set_colours(series, QColor(0, 0, 192), Qt::white);

    auto* product = make_label(qs(help::kProductLabel), 9000, 600, 1215, 495);
    product->setObjectName(QStringLiteral("Label7"));
    product->setFont(ui_font(Face::arial, 10.5, true));
    product->setWordWrap(true);  // two lines high: the name wraps under the series label
    set_colours(product, QColor(255, 0, 0), Qt::white);

    version_ = make_label(qs(help::kVersionPlaceholder), 6960, 1320, 3255, 255);
    version_->setObjectName(QStringLiteral("L_Ver"));
    version_->setFont(ui_font(Face::tahoma, 9));
    version_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    set_colours(version_, QColor(64, 64, 64), Qt::white);

    bar_ = make_label(QString(), 6960, 1680, 975, 60);
    bar_->setObjectName(QStringLiteral("L_top"));
    set_colours(bar_, Qt::black, QColor(255, 192, 128));

    const std::array<std::string_view, 3> captions = {help::kInstructionsTab, help::kShortcutsTab,
                                                      help::kNoticeTab};
    const std::array<const std::string*, 3> texts = {&help::instructions_text(),
                                                     &help::shortcuts_text(), &help::notice_text()};
    const std::array<const char*, 3> tab_names = {"L_SM", "L_KJJ", "L_BQ"};
    const std::array<const char*, 3> box_names = {"T_SM", "T_KJJ", "T_BQ"};
    for (std::size_t i = 0; i < 3; ++i) {
        tabs_[i] = make_label(qs(captions[i]), kTabLefts[i], 1800, 975, 255);
        tabs_[i]->setObjectName(QLatin1String(tab_names[i]));
        tabs_[i]->setAlignment(Qt::AlignCenter);
        tabs_[i]->installEventFilter(this);

        auto* box = new QPlainTextEdit(this);
        box->setObjectName(QLatin1String(box_names[i]));
        box->setReadOnly(true);
        box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        box->setPlainText(shown_text(*texts[i]));
        // The exact text, line ends included, for whoever reads it back.
        box->setProperty("rawText", QString::fromStdString(*texts[i]));
        place(box, kTabLefts[0] - kOriginTwips, kBoxTops[i], 3255, 3615);
        boxes_[i] = box;
    }
    // The load step lines the three text boxes up at the first one's place.
    for (auto* box : boxes_) {
        box->move(box->x(), boxes_[0]->y());
    }

    auto* author = make_label(QString::fromStdString(help::author_label()), 6960, 5820, 1095, 255);
    author->setObjectName(QStringLiteral("L_MyName"));
    author->setFont(ui_font(Face::tahoma, 9));
    set_colours(author, Qt::black, Qt::white);

    mail_ = make_label(QString::fromStdString(help::email_label()), 8280, 5820, 1935, 255);
    mail_->setObjectName(QStringLiteral("L_Email"));
    mail_->setToolTip(qs(help::kMailTooltip));

    web_ = make_label(qs(help::kWebAddress), 7800, 6060, 2415, 255);
    web_->setObjectName(QStringLiteral("L_Web"));
    web_->setToolTip(qs(help::kWebTooltip));

    for (QLabel* link : {mail_, web_}) {
        link->setFont(ui_font(Face::tahoma, 9));
        link->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        link->setCursor(Qt::PointingHandCursor);
        set_colours(link, QColor(0, 0, 255), Qt::white);
        link->installEventFilter(this);
    }
    fit_author_rows(author);

    select_tab(Tab::instructions);
}

void HelpPanel::fit_author_rows(QLabel* author) {
    // The author line and the links sit in two rows under the text boxes. When a text is wider
    // than its designed place (the addresses are longer than the row was drawn for), each of
    // the three gets a row of its own across the panel, so that nothing is cut off.
    const auto fits = [](const QLabel* label) {
        return label->fontMetrics().horizontalAdvance(label->text()) <= label->width();
    };
    if (fits(author) && fits(mail_) && fits(web_)) {
        return;
    }
    constexpr int kRowTops[] = {5700, 5955, 6210};
    const std::array<QLabel*, 3> rows = {author, mail_, web_};
    for (std::size_t i = 0; i < rows.size(); ++i) {
        place(rows[i], kTabLefts[0] - kOriginTwips, kRowTops[i], 3255, 255);
    }
}

QLabel* HelpPanel::make_label(const QString& text, int left, int top, int width, int height) {
    auto* label = new QLabel(text, this);
    place(label, left - kOriginTwips, top, width, height);
    set_colours(label, Qt::black, Qt::white);
    return label;
}

void HelpPanel::show_version_line() {
    version_->setText(QString::fromStdString(help::program_version_line()));
}

void HelpPanel::select_tab(Tab tab) {
    const std::size_t chosen = index(tab);
    selected_ = tab;
    bar_->move(tabs_[chosen]->x(), bar_->y());
    const QColor window_text = QApplication::palette().color(QPalette::WindowText);
    for (std::size_t i = 0; i < 3; ++i) {
        set_colours(tabs_[i], i == chosen ? window_text : kUnselectedTab, Qt::white);
        boxes_[i]->setVisible(i == chosen);
    }
}

void HelpPanel::set_url_opener(std::function<void(const QUrl&)> opener) {
    opener_ = std::move(opener);
}

QUrl HelpPanel::web_url() const {
    return QUrl(qs(help::kWebAddress));
}

QUrl HelpPanel::mail_url() const {
    const std::string link = help::mailto_url(help::kFeedbackAddress, help::kMailSubject);
    return QUrl::fromEncoded(QByteArray::fromStdString(link), QUrl::StrictMode);
}

void HelpPanel::open(const QUrl& url) const {
    // Without a handler for the address nothing happens, and nothing is shown.
    if (opener_) {
        opener_(url);
    }
}

bool HelpPanel::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonPress) {
        if (static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            pressed_ = watched;
        }
        return false;
    }
    if (event->type() != QEvent::MouseButtonRelease) {
        return false;
    }
    auto* mouse = static_cast<QMouseEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    const bool click = mouse->button() == Qt::LeftButton && pressed_ == watched &&
                       widget != nullptr && widget->rect().contains(mouse->position().toPoint());
    pressed_ = nullptr;
    if (!click) {
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (watched == tabs_[i]) {
            select_tab(static_cast<Tab>(i));
            return true;
        }
    }
    if (watched == web_) {
        open(web_url());
        return true;
    }
    if (watched == mail_) {
        open(mail_url());
        return true;
    }
    return false;
}

void toggle_help_panel(DockController& dock, HelpPanel& panel) {
    panel.show_version_line();
    dock.toggle_help_width();
}

HelpPanel& help_panel_of(QWidget& help_area) {
    if (auto* panel = help_area.findChild<HelpPanel*>(QString(), Qt::FindDirectChildrenOnly)) {
        return *panel;
    }
    auto* layout = new QVBoxLayout(&help_area);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* panel = new HelpPanel(&help_area);
    layout->addWidget(panel);
    panel->show();
    return *panel;
}

}  // namespace orvane
