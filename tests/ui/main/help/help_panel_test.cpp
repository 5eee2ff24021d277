#include <QApplication>
#include <QMouseEvent>
#include <QTest>
#include <QTextBlock>

#include <memory>
#include <vector>

#include "ui/main/dock/dock_controller.h"
#include "ui/main/help/help_panel.h"

using orvane::HelpPanel;
using Tab = HelpPanel::Tab;

namespace {

void click(QWidget* w) {
    const QPointF at(3, 3);
    QMouseEvent press(QEvent::MouseButtonPress, at, w->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(w, &release);
}

QColor text_colour(QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

// Twips to pixels at 15 twips a pixel, rounded to the nearest.
int px(int twips) {
    return (twips + 7) / 15;
}

}  // namespace

class HelpPanelTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        panel_ = std::make_unique<HelpPanel>();
        panel_->set_url_opener([this](const QUrl& url) { opened_.push_back(url); });
        opened_.clear();
        panel_->show();
    }
    void cleanup() { panel_.reset(); }

    void controls_sit_at_their_places_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twipsRect");  // relative to the window, as designed
        QTest::newRow("Image1") << "Image1" << QRect(6960, 240, 1815, 1050);
        QTest::newRow("Label5") << "Label5" << QRect(9000, 165, 1335, 255);
        QTest::newRow("Label7") << "Label7" << QRect(9000, 600, 1215, 495);
        QTest::newRow("L_Ver") << "L_Ver" << QRect(6960, 1320, 3255, 255);
        QTest::newRow("L_top") << "L_top" << QRect(6960, 1680, 975, 60);
        QTest::newRow("L_SM") << "L_SM" << QRect(6960, 1800, 975, 255);
        QTest::newRow("L_KJJ") << "L_KJJ" << QRect(7920, 1800, 975, 255);
        QTest::newRow("L_BQ") << "L_BQ" << QRect(8880, 1800, 975, 255);
        QTest::newRow("T_SM") << "T_SM" << QRect(6960, 2040, 3255, 3615);
        QTest::newRow("T_KJJ moved up") << "T_KJJ" << QRect(6960, 2040, 3255, 3615);
        QTest::newRow("T_BQ moved up") << "T_BQ" << QRect(6960, 2040, 3255, 3615);
    }
    void controls_sit_at_their_places() {
        QFETCH(QString, name);
        QFETCH(QRect, twipsRect);
        auto* w = panel_->findChild<QWidget*>(name);
        QVERIFY(w != nullptr);
        QCOMPARE(w->geometry(), QRect(px(twipsRect.x() - 6720), px(twipsRect.y()),
                                      px(twipsRect.width()), px(twipsRect.height())));
    }

    void author_and_links_show_their_whole_texts() {
        // Each text fits its label, and the three labels share no pixel with each other or with
        // the text boxes, inside the panel.
        const QRect panel_rect(0, 0, px(3735), px(6495));
        std::vector<QRect> taken = {panel_->text_box(Tab::instructions)->geometry()};
        for (const char* name : {"L_MyName", "L_Email", "L_Web"}) {
            auto* label = panel_->findChild<QLabel*>(QLatin1String(name));
            QVERIFY(label != nullptr);
            QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(), name);
            QVERIFY2(panel_rect.contains(label->geometry()), name);
            for (const QRect& other : taken) {
                QVERIFY2(!other.intersects(label->geometry()), name);
            }
            taken.push_back(label->geometry());
        }
    }

    void label_texts_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("series") << "Label5" << QStringLiteral("Orvane 实用工具");
        QTest::newRow("product") << "Label7" << QStringLiteral("   Orvane 桌面计算器");
        QTest::newRow("version before") << "L_Ver" << QStringLiteral("这里是版本号，运行后显示");
        QTest::newRow("author") << "L_MyName" << QStringLiteral("作者：Orvane 团队");
        QTest::newRow("mail") << "L_Email" << QStringLiteral("Email：feedback@orvane.example");
        QTest::newRow("web") << "L_Web" << QStringLiteral("https://orvane.example/calculator");
        QTest::newRow("tab 1") << "L_SM" << QStringLiteral("帮助说明");
        QTest::newRow("tab 2") << "L_KJJ" << QStringLiteral("快捷键列表");
        QTest::newRow("tab 3") << "L_BQ" << QStringLiteral("版权声明");
    }
    void label_texts() {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto* label = panel_->findChild<QLabel*>(name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->text(), text);
    }

    void version_line_after_toggle() {
        QWidget window(nullptr, Qt::Window | Qt::FramelessWindowHint);
        window.setFixedSize(442, 433);
        auto* panel = new HelpPanel(&window);
        panel->move(448, 0);
        orvane::DockWidgets parts;
        parts.window = &window;
        auto* dock = new orvane::DockController(parts);
        window.show();
        QCOMPARE(panel->version_label()->text(), QStringLiteral("这里是版本号，运行后显示"));
        orvane::toggle_help_panel(*dock, *panel);
        QCOMPARE(panel->version_label()->text(), QStringLiteral("全民普及版(090812 4.6.148)"));
        QCOMPARE(window.width(), 698);
        orvane::toggle_help_panel(*dock, *panel);
        QCOMPARE(window.width(), 442);
        QCOMPARE(panel->version_label()->text(), QStringLiteral("全民普及版(090812 4.6.148)"));
    }

    void tabs_switch_data() {
        QTest::addColumn<std::vector<int>>("clicks");
        QTest::addColumn<int>("selected");
        QTest::newRow("start") << std::vector<int>{} << 0;
        QTest::newRow("shortcuts") << std::vector<int>{1} << 1;
        QTest::newRow("notice") << std::vector<int>{1, 2} << 2;
        QTest::newRow("back to instructions") << std::vector<int>{1, 2, 0} << 0;
        QTest::newRow("same tab twice") << std::vector<int>{2, 2} << 2;
    }
    void tabs_switch() {
        QFETCH(std::vector<int>, clicks);
        QFETCH(int, selected);
        for (int i : clicks) {
            click(panel_->tab_label(static_cast<Tab>(i)));
        }
        const QColor window_text = QApplication::palette().color(QPalette::WindowText);
        QCOMPARE(static_cast<int>(panel_->selected_tab()), selected);
        QCOMPARE(panel_->orange_bar()->x(), panel_->tab_label(static_cast<Tab>(selected))->x());
        QCOMPARE(panel_->orange_bar()->palette().color(QPalette::Window), QColor(255, 192, 128));
        for (int i = 0; i < 3; ++i) {
            const auto tab = static_cast<Tab>(i);
            QCOMPARE(panel_->text_box(tab)->isVisible(), i == selected);
            QCOMPARE(text_colour(panel_->tab_label(tab)),
                     i == selected ? window_text : QColor(0, 0, 192));
            QCOMPARE(panel_->tab_label(tab)->palette().color(QPalette::Window), QColor(Qt::white));
        }
    }

    void text_boxes_hold_the_texts_data() {
        QTest::addColumn<int>("tab");
        QTest::addColumn<int>("lines");
        QTest::addColumn<QString>("line2");
        QTest::newRow("instructions")
            << 0 << 34 << QStringLiteral("    基本操作与计算器一样，支持键");
        QTest::newRow("shortcuts") << 1 << 56 << QStringLiteral("    等于。");
    }
    void text_boxes_hold_the_texts() {
        QFETCH(int, tab);
        QFETCH(int, lines);
        QFETCH(QString, line2);
        QPlainTextEdit* box = panel_->text_box(static_cast<Tab>(tab));
        QVERIFY(box->isReadOnly());
        QCOMPARE(box->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        const QString raw = box->property("rawText").toString();
        QCOMPARE(raw.count(QStringLiteral("\r\n")), lines);
        QVERIFY(raw.endsWith(QStringLiteral("\r\n")));
        // One paragraph per line, no stray line at the end, the line ends not shown.
        QCOMPARE(box->document()->blockCount(), lines);
        QCOMPARE(box->document()->findBlockByNumber(1).text(), line2);
        QString shown = raw;
        shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        shown.chop(1);
        QCOMPARE(box->toPlainText(), shown);
    }

    void shortcut_trailing_space_is_shown() {
        QTextBlock line11 = panel_->text_box(Tab::shortcuts)->document()->findBlockByNumber(10);
        QCOMPARE(line11.text(), QStringLiteral("    清除当前数值。 "));
    }

    void links_open_their_addresses_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("url");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("web") << "L_Web" << QByteArray("https://orvane.example/calculator")
                             << QStringLiteral("点击访问网站获得最新相关消息");
        QTest::newRow("mail")
            << "L_Email"
            << QByteArray(
                   "mailto:feedback@orvane.example?subject="
                   "%E5%85%B3%E4%BA%8EOrvane%E6%A1%8C%E9%9D%A2%E8%AE%A1%E7%AE%97%E5%99%A8"
                   "%E7%9A%84%E4%B8%80%E4%BA%9B%E9%97%AE%E9%A2%98%E5%8F%8D%E9%A6%88")
            << QStringLiteral("点击将用SMTP方式给作者发送电子邮件");
    }
    void links_open_their_addresses() {
        QFETCH(QString, name);
        QFETCH(QByteArray, url);
        QFETCH(QString, tooltip);
        auto* link = panel_->findChild<QLabel*>(name);
        QVERIFY(link != nullptr);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(link->toolTip(), tooltip);
        QCOMPARE(text_colour(link), QColor(0, 0, 255));
        click(link);
        QCOMPARE(opened_.size(), std::size_t{1});
        QCOMPARE(opened_.front().toEncoded(), url);
        QVERIFY(opened_.front().isValid());
        if (name == QLatin1String("L_Email")) {
            QCOMPARE(opened_.front().query(QUrl::FullyDecoded),
                     QStringLiteral("subject=关于Orvane桌面计算器的一些问题反馈"));
        }
    }

    void a_press_that_leaves_the_tab_is_no_click() {
        QWidget* tab = panel_->tab_label(Tab::notice);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), QPointF(3, 3), Qt::LeftButton,
                          Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tab, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(500, 3), QPointF(500, 3),
                            Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(tab, &release);
        QCOMPARE(panel_->selected_tab(), Tab::instructions);
        click(panel_->web_link());
        click(panel_->web_link());
        QCOMPARE(opened_.size(), std::size_t{2});
    }

  private:
    std::unique_ptr<HelpPanel> panel_;
    std::vector<QUrl> opened_;
};

QTEST_MAIN(HelpPanelTest)
#include "help_panel_test.moc"
