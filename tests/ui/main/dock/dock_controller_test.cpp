#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <memory>

#include "dock_test_window.h"
#include "ui/main/dock/dock_controller.h"
#include "ui/main/dock/edge_sliver.h"

using orvane::DockController;
using orvane::EdgeSliver;
using orvane::testing::DockTestWindow;
namespace dock = orvane::dock;

namespace {

constexpr int kScreenPx = 1280;  // 19200 twips
constexpr int kWidthPx = 442;    // 6635 twips
constexpr int kHeightPx = 433;   // 6495 twips

void send_mouse(QWidget* target, QEvent::Type type, QPoint local, Qt::MouseButton button,
                Qt::MouseButtons buttons) {
    const QPointF global = target->mapToGlobal(QPointF(local));
    QMouseEvent event(type, QPointF(local), global, button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &event);
}

dock::Area monitor(int left, int top, int width, int height) {
    return {orvane::twips_from_px(left), orvane::twips_from_px(top), orvane::twips_from_px(width),
            orvane::twips_from_px(height)};
}

// The sliver that stands in for a slid-away window, when one is shown.
EdgeSliver* shown_sliver() {
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* sliver = qobject_cast<EdgeSliver*>(top);
            sliver != nullptr && sliver->isVisible()) {
            return sliver;
        }
    }
    return nullptr;
}

void hover(QWidget* target, QPoint local = {2, 2}) {
    send_mouse(target, QEvent::MouseMove, local, Qt::NoButton, Qt::NoButton);
}

// Presses the left button on `handle`, moves the window's corner to `corner` and releases.
void drag_to(QWidget* handle, QWidget* window, QPoint corner) {
    const QPoint grip(3, 3);
    send_mouse(handle, QEvent::MouseButtonPress, grip, Qt::LeftButton, Qt::LeftButton);
    const QPoint shift = corner - window->pos();
    const QPointF global = handle->mapToGlobal(QPointF(grip)) + QPointF(shift);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip), global, Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(grip), global, Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(handle, &release);
}

QColor background(QWidget* w) {
    return w->palette().color(QPalette::Window);
}

}  // namespace

class DockControllerTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        window_ = std::make_unique<DockTestWindow>();
        window_->move(400, 200);
        window_->show();
        QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
        controller_ = new DockController(window_->parts);
        controller_->set_system_move_allowed(false);
        monitors_ = {monitor(0, 0, kScreenPx, 2000)};
        controller_->set_monitors_source([this] { return monitors_; });
    }
    void cleanup() { window_.reset(); }

    void drop_snaps_to_edge_data() {
        QTest::addColumn<QString>("handle");
        QTest::addColumn<QPoint>("drop");
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QString>("hiddenStrip");
        QTest::addColumn<bool>("docked");
        QTest::newRow("left by the top strip")
            << "Pic_shang" << QPoint(10, 200) << QPoint(0, 200) << "Pic_zuo" << true;
        QTest::newRow("top corner by the logo")
            << "Image_Logo" << QPoint(5, 5) << QPoint(5, 0) << "Pic_shang" << true;
        QTest::newRow("right by the bottom strip")
            << "Pic_xia" << QPoint(kScreenPx - kWidthPx - 10, 300)
            << QPoint(kScreenPx - kWidthPx, 300) << "Pic_you" << true;
        QTest::newRow("off the left edge by the display")
            << "T_Show" << QPoint(-20, 250) << QPoint(0, 250) << "Pic_zuo" << true;
        QTest::newRow("middle by the memory box")
            << "T_Memory" << QPoint(300, 300) << QPoint(300, 300) << "" << false;
        QTest::newRow("exactly 19 pixels from the edges stays free")
            << "Pic_shang" << QPoint(19, 19) << QPoint(19, 19) << "" << false;
        QTest::newRow("18 pixels from the left docks")
            << "Pic_shang" << QPoint(18, 100) << QPoint(0, 100) << "Pic_zuo" << true;
    }
    void drop_snaps_to_edge() {
        QFETCH(QString, handle);
        QFETCH(QPoint, drop);
        QFETCH(QPoint, expected);
        QFETCH(QString, hiddenStrip);
        QFETCH(bool, docked);
        QSignalSpy dropped(controller_, &DockController::dropped);
        auto* grip = window_->findChild<QWidget*>(handle);
        QVERIFY(grip != nullptr);
        drag_to(grip, window_.get(), drop);
        QCOMPARE(window_->pos(), expected);
        QCOMPARE(controller_->docked(), docked);
        QCOMPARE(dropped.count(), 1);
        for (const char* name : {"Pic_shang", "Pic_zuo", "Pic_you", "Pic_xia"}) {
            auto* strip = window_->findChild<QWidget*>(QLatin1String(name));
            QCOMPARE(strip->isHidden(), hiddenStrip == QLatin1String(name));
        }
    }

    void other_buttons_do_not_drag_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<int>("button");
        QTest::newRow("right on the background") << "" << int(Qt::RightButton);
        QTest::newRow("right on the display") << "T_Show" << int(Qt::RightButton);
        QTest::newRow("middle on the memory box") << "T_Memory" << int(Qt::MiddleButton);
        QTest::newRow("right on the top strip") << "Pic_shang" << int(Qt::RightButton);
        QTest::newRow("right on the logo") << "Image_Logo" << int(Qt::RightButton);
    }
    void other_buttons_do_not_drag() {
        QFETCH(QString, target);
        QFETCH(int, button);
        QWidget* w = target.isEmpty() ? window_.get() : window_->findChild<QWidget*>(target);
        QVERIFY(w != nullptr);
        // A background spot: right of the logo, left of the keypad.
        const QPoint spot = target.isEmpty() ? QPoint(105, 115) : QPoint(3, 3);
        if (target.isEmpty()) {
            QCOMPARE(window_->childAt(spot), nullptr);
        }
        const QPoint before = window_->pos();
        window_->display->setFocus();
        const auto b = Qt::MouseButton(button);
        send_mouse(w, QEvent::MouseButtonPress, spot, b, b);
        QMouseEvent move(QEvent::MouseMove, QPointF(spot),
                         w->mapToGlobal(QPointF(spot)) - QPointF(300, 150), Qt::NoButton, b,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(w, &move);
        send_mouse(w, QEvent::MouseButtonRelease, spot, b, Qt::NoButton);
        QCOMPARE(window_->pos(), before);
        // The display and the memory box hand the keyboard to the window on any button.
        const bool takes_focus =
            target == QLatin1String("T_Show") || target == QLatin1String("T_Memory");
        QCOMPARE(QApplication::focusWidget() == window_.get(), takes_focus);
        QVERIFY(!controller_->docked());
    }

    void background_is_a_drag_handle_but_controls_are_not() {
        // A press on the background moves the window; a press bubbling up from a control doesn't.
        const QPoint before = window_->pos();
        const QPoint on_key = window_->key->geometry().center();
        send_mouse(window_.get(), QEvent::MouseButtonPress, on_key, Qt::LeftButton, Qt::LeftButton);
        QMouseEvent move(QEvent::MouseMove, QPointF(on_key), QPointF(5, 5), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &move);
        QCOMPARE(window_->pos(), before);
        send_mouse(window_.get(), QEvent::MouseButtonRelease, on_key, Qt::LeftButton, Qt::NoButton);

        const QPoint spot(105, 115);
        QCOMPARE(window_->childAt(spot), nullptr);
        send_mouse(window_.get(), QEvent::MouseButtonPress, spot, Qt::LeftButton, Qt::LeftButton);
        QMouseEvent move2(QEvent::MouseMove, QPointF(spot), QPointF(spot + QPoint(5, 40)),
                          Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &move2);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(spot),
                            QPointF(spot + QPoint(5, 40)), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(window_.get(), &release);
        // The corner follows the pointer to (5, 40): near the left edge, so it snaps there.
        QCOMPARE(window_->pos(), QPoint(0, 40));
        QVERIFY(window_->findChild<QWidget*>("Pic_zuo")->isHidden());
    }

    void strips_slide_a_docked_window_data() {
        QTest::addColumn<QPoint>("drop");
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QRect>("sliver");
        QTest::addColumn<QPoint>("shown");
        // Slid away, the window is off the screen and a 50-twip sliver (3 pixels) of it stays.
        QTest::newRow("left") << QPoint(5, 200) << "Pic_you" << QRect(0, 200, 3, kHeightPx)
                              << QPoint(0, 200);
        QTest::newRow("top") << QPoint(300, 5) << "Pic_zuo" << QRect(300, 0, kWidthPx, 3)
                             << QPoint(300, 0);
        QTest::newRow("right") << QPoint(kScreenPx - kWidthPx, 200) << "Pic_zuo"
                               << QRect(kScreenPx - 3, 200, 3, kHeightPx)
                               << QPoint(kScreenPx - kWidthPx, 200);
    }
    void strips_slide_a_docked_window() {
        QFETCH(QPoint, drop);
        QFETCH(QString, trigger);
        QFETCH(QRect, sliver);
        QFETCH(QPoint, shown);
        drag_to(window_->findChild<QWidget*>("Pic_shang"), window_.get(), drop);
        QCOMPARE(window_->pos(), shown);
        QVERIFY(shown_sliver() == nullptr);
        QSignalSpy slid(controller_, &DockController::slid);
        hover(window_->findChild<QWidget*>(trigger));
        QVERIFY(!window_->isVisible());
        QVERIFY(shown_sliver() != nullptr);
        QCOMPARE(shown_sliver()->geometry(), sliver);
        hover(shown_sliver());
        QVERIFY(window_->isVisible());
        QVERIFY(shown_sliver() == nullptr);
        QCOMPARE(window_->pos(), shown);
        QCOMPARE(slid.count(), 2);
        QCOMPARE(slid.at(0).at(0).toBool(), true);
        QCOMPARE(slid.at(1).at(0).toBool(), false);
    }

    void nothing_slides_while_expanded_or_undocked() {
        auto* right = window_->findChild<QWidget*>("Pic_you");
        hover(right);  // never docked
        QCOMPARE(window_->pos(), QPoint(400, 200));

        drag_to(window_->findChild<QWidget*>("Pic_shang"), window_.get(), QPoint(3, 200));
        QCOMPARE(window_->pos(), QPoint(0, 200));
        controller_->toggle_help_width();
        QCOMPARE(window_->width(), 698);
        hover(right);
        QCOMPARE(window_->pos(), QPoint(0, 200));
        controller_->toggle_help_width();
        QCOMPARE(window_->width(), kWidthPx);
        hover(right);  // the docked edge was remembered
        QVERIFY(!window_->isVisible());
        QVERIFY(shown_sliver() != nullptr);
        hover(shown_sliver());
        QVERIFY(window_->isVisible());

        // Dragged back to the middle: undocked, the left strip stays hidden, nothing slides.
        drag_to(window_->findChild<QWidget*>("Pic_shang"), window_.get(), QPoint(300, 200));
        QVERIFY(!controller_->docked());
        QVERIFY(window_->findChild<QWidget*>("Pic_zuo")->isHidden());
        hover(right);
        QCOMPARE(window_->pos(), QPoint(300, 200));
    }

    void help_width_keeps_a_right_dock_flush() {
        drag_to(window_->findChild<QWidget*>("Pic_shang"), window_.get(),
                QPoint(kScreenPx - kWidthPx - 5, 200));
        hover(window_->findChild<QWidget*>("Pic_zuo"));
        QVERIFY(!window_->isVisible());  // slid away at the right edge
        QSignalSpy toggled(controller_, &DockController::help_panel_toggled);
        controller_->toggle_help_width();  // the panel opens on the window, back in view
        QVERIFY(window_->isVisible());
        QVERIFY(shown_sliver() == nullptr);
        QCOMPARE(window_->geometry(), QRect(kScreenPx - 698, 200, 698, kHeightPx));
        controller_->toggle_help_width();
        QCOMPARE(window_->geometry(), QRect(kScreenPx - kWidthPx, 200, kWidthPx, kHeightPx));
        QCOMPARE(toggled.count(), 2);
        QCOMPARE(toggled.at(0).at(0).toBool(), true);
        QCOMPARE(toggled.at(1).at(0).toBool(), false);
    }

    void title_buttons_hover_colours_data() {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QColor>("help");
        QTest::addColumn<QColor>("mini");
        QTest::addColumn<QColor>("exit");
        const QColor n(128, 128, 255);
        QTest::newRow("help") << "L_Help" << QColor(0, 192, 0) << n << n;
        QTest::newRow("mini") << "L_Mini" << n << QColor(0, 0, 192) << n;
        QTest::newRow("exit") << "L_Exit" << n << n << QColor(192, 0, 0);
        QTest::newRow("top strip resets") << "Pic_shang" << n << n << n;
        QTest::newRow("right strip resets") << "Pic_you" << n << n << n;
        QTest::newRow("display resets") << "T_Show" << n << n << n;
    }
    void title_buttons_hover_colours() {
        QFETCH(QString, target);
        QFETCH(QColor, help);
        QFETCH(QColor, mini);
        QFETCH(QColor, exit);
        auto* l_help = window_->findChild<QWidget*>("L_Help");
        auto* l_mini = window_->findChild<QWidget*>("L_Mini");
        auto* l_exit = window_->findChild<QWidget*>("L_Exit");
        // Start from a different state: every button coloured by a previous hover.
        hover(l_exit);
        QCOMPARE(background(l_exit), QColor(192, 0, 0));
        hover(l_help);
        QCOMPARE(background(l_help), QColor(0, 192, 0));
        hover(window_->findChild<QWidget*>(target));
        QCOMPARE(background(l_help), help);
        QCOMPARE(background(l_mini), mini);
        QCOMPARE(background(l_exit), exit);
    }

    void left_and_bottom_strips_keep_colours() {
        auto* l_help = window_->findChild<QWidget*>("L_Help");
        hover(l_help);
        hover(window_->findChild<QWidget*>("Pic_zuo"));
        hover(window_->findChild<QWidget*>("Pic_xia"));
        QCOMPARE(background(l_help), QColor(0, 192, 0));
        controller_->tray_pointer_activity();
        QCOMPARE(background(l_help), QColor(128, 128, 255));
    }

    void mini_strip_and_restore() {
        controller_->toggle_help_width();
        QCOMPARE(window_->width(), 698);
        auto* mini = window_->findChild<QWidget*>("L_Mini");
        hover(mini);
        send_mouse(mini, QEvent::MouseButtonPress, {3, 3}, Qt::LeftButton, Qt::LeftButton);
        send_mouse(mini, QEvent::MouseButtonRelease, {3, 3}, Qt::LeftButton, Qt::NoButton);
        QCoreApplication::processEvents();
        QTRY_VERIFY(window_->isMinimized());
        QCOMPARE(window_->windowTitle(), QStringLiteral("Orvane桌面计算器"));
        QVERIFY(!(window_->windowFlags() & Qt::FramelessWindowHint));
        QVERIFY(window_->windowFlags() & Qt::WindowTitleHint);
        QCOMPARE(window_->size(), QSize(kWidthPx, kHeightPx));
        QCOMPARE(background(mini), QColor(128, 128, 255));
        // An ordinary window while minimised, so that it has a taskbar entry.
        QCOMPARE(window_->windowFlags() & Qt::WindowType_Mask, Qt::Window);

        window_->showNormal();
        QTRY_VERIFY(window_->windowFlags() & Qt::FramelessWindowHint);
        QTRY_COMPARE(window_->windowTitle(), QString());
        QCOMPARE(window_->size(), QSize(kWidthPx, kHeightPx));
        QVERIFY(window_->windowFlags() & Qt::WindowStaysOnTopHint);
        QCOMPARE(window_->windowFlags() & Qt::WindowType_Mask, Qt::Tool);
    }

    void tray_click_brings_the_window_back_data() {
        QTest::addColumn<QString>("state");
        QTest::newRow("mini strip") << "mini";
        QTest::newRow("slid away") << "slid";
        QTest::newRow("hidden") << "hidden";
        QTest::newRow("in view") << "shown";
    }
    void tray_click_brings_the_window_back() {
        QFETCH(QString, state);
        QPoint expected = window_->pos();
        if (state == QLatin1String("mini")) {
            controller_->minimise_to_strip();
            QCoreApplication::processEvents();
            QTRY_VERIFY(window_->isMinimized());
        } else if (state == QLatin1String("slid")) {
            drag_to(window_->findChild<QWidget*>("Pic_shang"), window_.get(), QPoint(5, 200));
            expected = QPoint(0, 200);
            hover(window_->findChild<QWidget*>("Pic_you"));
            QVERIFY(shown_sliver() != nullptr);
        } else if (state == QLatin1String("hidden")) {
            window_->hide();
        }
        QVERIFY(state == QLatin1String("shown") || !window_->isVisible() || window_->isMinimized());
        controller_->bring_back();
        QTRY_VERIFY(window_->isVisible() && !window_->isMinimized());
        QVERIFY(shown_sliver() == nullptr);
        QCOMPARE(window_->pos(), expected);
        QTRY_VERIFY(window_->windowFlags() & Qt::FramelessWindowHint);
        QTRY_COMPARE(window_->windowTitle(), QString());
        QCOMPARE(window_->size(), QSize(kWidthPx, kHeightPx));
    }

    void screen_changes_leave_the_window_on_a_monitor_data() {
        QTest::addColumn<QPoint>("drop");
        QTest::addColumn<bool>("slide");
        QTest::addColumn<QRect>("after");  // the monitor left after the change
        QTest::addColumn<QPoint>("expected");
        QTest::addColumn<QRect>("sliver");  // empty: the window is in view
        const int right = 2 * kScreenPx - kWidthPx;
        QTest::newRow("free on the monitor that went")
            << QPoint(1500, 300) << false << QRect(0, 0, kScreenPx, 800)
            << QPoint(kScreenPx - kWidthPx, 300) << QRect();
        QTest::newRow("docked right of the monitor that went")
            << QPoint(right - 5, 300) << false << QRect(0, 0, kScreenPx, 800)
            << QPoint(kScreenPx - kWidthPx, 300) << QRect();
        QTest::newRow("slid away at the right, the screen shrank")
            << QPoint(right - 5, 300) << true << QRect(0, 0, 1024, 600)
            << QPoint(1024 - kWidthPx, 600 - kHeightPx)
            << QRect(1021, 600 - kHeightPx, 3, kHeightPx);
        QTest::newRow("slid away at the top of the monitor that went")
            << QPoint(1500, 5) << true << QRect(0, 0, kScreenPx, 800)
            << QPoint(kScreenPx - kWidthPx, 0) << QRect(kScreenPx - kWidthPx, 0, kWidthPx, 3);
        QTest::newRow("docked left, unaffected")
            << QPoint(5, 300) << false << QRect(0, 0, kScreenPx, 800) << QPoint(0, 300) << QRect();
    }
    void screen_changes_leave_the_window_on_a_monitor() {
        QFETCH(QPoint, drop);
        QFETCH(bool, slide);
        QFETCH(QRect, after);
        QFETCH(QPoint, expected);
        QFETCH(QRect, sliver);
        monitors_ = {monitor(0, 0, kScreenPx, 800), monitor(kScreenPx, 0, kScreenPx, 800)};
        drag_to(window_->findChild<QWidget*>("Pic_xia"), window_.get(), drop);
        QVERIFY(controller_->docked() || drop == QPoint(1500, 300));
        if (slide) {
            hover(window_->findChild<QWidget*>("Pic_zuo"));
            QVERIFY(shown_sliver() != nullptr);
        }
        monitors_ = {monitor(after.x(), after.y(), after.width(), after.height())};
        controller_->screens_changed();
        QCOMPARE(window_->pos(), expected);
        if (sliver.isEmpty()) {
            QVERIFY(window_->isVisible());
            QVERIFY(shown_sliver() == nullptr);
            return;
        }
        QVERIFY(!window_->isVisible());
        QVERIFY(shown_sliver() != nullptr);
        QCOMPARE(shown_sliver()->geometry(), sliver);
        hover(shown_sliver());
        QVERIFY(window_->isVisible());
        QCOMPARE(window_->pos(), expected);
    }

    void any_other_size_snaps_back() {
        window_->setMinimumSize(0, 0);
        window_->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        window_->resize(600, 300);
        QTRY_COMPARE(window_->size(), QSize(kWidthPx, kHeightPx));
        window_->setWindowTitle(QStringLiteral("x"));
        controller_->toggle_help_width();
        QCoreApplication::processEvents();
        QCOMPARE(window_->size(), QSize(698, kHeightPx));  // the expanded width is kept
        QCOMPARE(window_->windowTitle(), QStringLiteral("x"));
    }

    void default_monitors_are_the_toolkits_screens() {
        DockController plain(window_->parts, nullptr);
        const QRect g = QGuiApplication::primaryScreen()->geometry();
        QVERIFY(plain.monitors().size() == std::size_t(QGuiApplication::screens().size()));
        QVERIFY(plain.monitors().at(0) == monitor(g.x(), g.y(), g.width(), g.height()));
    }

  private:
    std::unique_ptr<DockTestWindow> window_;
    DockController* controller_ = nullptr;
    std::vector<dock::Area> monitors_;
};

QTEST_MAIN(DockControllerTest)
#include "dock_controller_test.moc"
