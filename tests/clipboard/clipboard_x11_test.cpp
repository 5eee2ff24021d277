// The desktop clipboard for real: another X client (xclip) owns or reads the CLIPBOARD
// selection while this process copies to it, reads it and captures numbers from it into the
// main window. Runs on the xcb platform under its own Xvfb (see run_on_xvfb.sh).
#include <QBuffer>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>
#include <memory>

#include "engine/calculator.h"
#include "startup/startup_values.h"
#include "ui/common/clipboard_service.h"
#include "ui/main/tallybox.h"

namespace {

constexpr int kMegabyte = 1 << 20;

QByteArray png_image() {
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

// A text that is no number, a megabyte long: its first twelve characters already fail.
QByteArray huge_non_number() {
    QByteArray text = "12345678901x";
    text.append(QByteArray(kMegabyte - text.size(), '7'));
    return text;
}

QByteArray huge_digits() {
    QByteArray text;
    text.reserve(kMegabyte);
    for (int i = 0; i < kMegabyte; ++i) {
        text.append(static_cast<char>('1' + i % 9));
    }
    return text;
}

}  // namespace

class ClipboardX11Test : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanup();

    void copied_text_reaches_other_clients_data();
    void copied_text_reaches_other_clients();
    void copy_replaces_an_image();
    void other_clients_text_is_read_data();
    void other_clients_text_is_read();
    void image_reads_as_no_text();

    void capture_shows_copied_number_data();
    void capture_shows_copied_number();
    void capture_ignores_what_is_no_number_data();
    void capture_ignores_what_is_no_number();

  private:
    // Runs xclip with `args` to the end while this process keeps serving X events (it may own
    // the selection being read); returns its standard output, or a null array on failure.
    QByteArray run_xclip(const QStringList& args);
    // Starts an xclip that owns the clipboard with `data` offered as `target`, and waits until
    // other clients see it there.
    void offer(const QByteArray& data, const QString& target);
    QStringList targets();

    QString xclip_;
    std::unique_ptr<QProcess> owner_;
};

void ClipboardX11Test::initTestCase() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    xclip_ = QStandardPaths::findExecutable(QStringLiteral("xclip"));
    QVERIFY2(!xclip_.isEmpty(), "xclip is not installed");
}

void ClipboardX11Test::cleanup() {
    if (owner_) {
        owner_->kill();
        owner_->waitForFinished(3000);
        owner_.reset();
    }
}

QByteArray ClipboardX11Test::run_xclip(const QStringList& args) {
    QProcess process;
    process.start(xclip_, args);
    if (!process.waitForStarted(3000)) {
        return {};
    }
    // Not waitForFinished: that would block the event loop that answers xclip's request.
    const bool done =
        QTest::qWaitFor([&] { return process.state() == QProcess::NotRunning; }, 10000);
    if (!done) {
        process.kill();
        process.waitForFinished(1000);
        return {};
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        return {};
    }
    QByteArray out = process.readAllStandardOutput();
    return out.isNull() ? QByteArray("") : out;
}

QStringList ClipboardX11Test::targets() {
    const QByteArray out = run_xclip({"-selection", "clipboard", "-o", "-t", "TARGETS"});
    return QString::fromLatin1(out).split('\n', Qt::SkipEmptyParts);
}

void ClipboardX11Test::offer(const QByteArray& data, const QString& target) {
    cleanup();
    owner_ = std::make_unique<QProcess>();
    QStringList args{"-selection", "clipboard", "-quiet", "-i"};
    if (!target.isEmpty()) {
        args << "-t" << target;
    }
    owner_->start(xclip_, args);
    QVERIFY(owner_->waitForStarted(3000));
    owner_->write(data);
    owner_->closeWriteChannel();
    const QString expected = target.isEmpty() ? QStringLiteral("UTF8_STRING") : target;
    QTRY_VERIFY_WITH_TIMEOUT(targets().contains(expected), 5000);
}

// --- the clipboard service ---

void ClipboardX11Test::copied_text_reaches_other_clients_data() {
    QTest::addColumn<QString>("text");
    QTest::newRow("digit") << QStringLiteral("5");
    QTest::newRow("decimal") << QStringLiteral("123.456");
    QTest::newRow("negative") << QStringLiteral("-0.5");
    QTest::newRow("division by zero text") << QStringLiteral("0不能为除数");
    QTest::newRow("long whole number") << QStringLiteral("79228162514264337593543950335");
}

void ClipboardX11Test::copied_text_reaches_other_clients() {
    QFETCH(QString, text);
    orvane::copy_to_clipboard(text);
    const QByteArray read = run_xclip({"-selection", "clipboard", "-o"});
    QCOMPARE(QString::fromUtf8(read), text);
}

void ClipboardX11Test::copy_replaces_an_image() {
    offer(png_image(), QStringLiteral("image/png"));
    orvane::copy_to_clipboard(QStringLiteral("5"));
    // The owner is now this process, and it offers the text alone.
    QTRY_COMPARE_WITH_TIMEOUT(owner_->state(), QProcess::NotRunning, 5000);
    const QStringList offered = targets();
    QVERIFY2(!offered.contains("image/png"), qPrintable(offered.join(' ')));
    QCOMPARE(QString::fromUtf8(run_xclip({"-selection", "clipboard", "-o"})), QStringLiteral("5"));
}

void ClipboardX11Test::other_clients_text_is_read_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("number") << QByteArray("123.45");
    QTest::newRow("words") << QByteArray("hello, world");
    QTest::newRow("chinese") << QByteArray("自动捕获 42");
    QTest::newRow("line break kept") << QByteArray("7\n");
    QTest::newRow("one megabyte") << huge_digits();
}

void ClipboardX11Test::other_clients_text_is_read() {
    QFETCH(QByteArray, text);
    offer(text, {});
    QElapsedTimer timer;
    timer.start();
    const std::optional<QString> read = orvane::clipboard_text();
    QVERIFY(read.has_value());
    QCOMPARE(read->size(), QString::fromUtf8(text).size());
    QCOMPARE(read->toUtf8(), text);
    // Read once a second by the capture: it must not take a second itself.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

void ClipboardX11Test::image_reads_as_no_text() {
    offer(png_image(), QStringLiteral("image/png"));
    QCOMPARE(orvane::clipboard_text(), std::nullopt);
}

// --- capture into the main window ---

namespace {

// The main window with capture ticked at start, its sound and dialogs kept quiet, and a count
// of its capture timer's ticks.
struct CapturingWindow {
    orvane::engine::Registers registers;
    orvane::StartupValues startup{.command_options = "/ag"};
    std::unique_ptr<orvane::Tallybox> window;
    QLineEdit* display = nullptr;
    QTimer* timer1 = nullptr;
    int ticks = 0;

    CapturingWindow() {
        window = std::make_unique<orvane::Tallybox>(registers, startup);
        window->set_clip_player([](std::string_view) {});
        window->set_inform_box([](const QString&, const QString&) {});
        window->set_question_box([](const QString&, const QString&) { return false; });
        window->show();
        display = window->findChild<QLineEdit*>(QStringLiteral("T_Show"));
        timer1 = window->findChild<QTimer*>(QStringLiteral("Timer1"));
        if (timer1 != nullptr) {
            QObject::connect(timer1, &QTimer::timeout, [this] { ++ticks; });
        }
    }
};

}  // namespace

void ClipboardX11Test::capture_shows_copied_number_data() {
    QTest::addColumn<QByteArray>("copied");
    QTest::addColumn<QString>("shown");
    QTest::newRow("plain number") << QByteArray("42") << QStringLiteral("42");
    QTest::newRow("decimal") << QByteArray("123.45") << QStringLiteral("123.45");
    QTest::newRow("cut to twelve")
        << QByteArray("1234567890123456") << QStringLiteral("123456789012");
    const QByteArray huge = huge_digits();
    QTest::newRow("one megabyte of digits")
        << huge << QString::fromLatin1(huge.left(orvane::engine::kDisplayLimit));
}

void ClipboardX11Test::capture_shows_copied_number() {
    QFETCH(QByteArray, copied);
    QFETCH(QString, shown);
    CapturingWindow calc;
    QVERIFY(calc.display != nullptr);
    QVERIFY(calc.timer1 != nullptr);
    QVERIFY(calc.timer1->isActive());
    QVERIFY(calc.display->text() != shown);

    offer(copied, {});
    QTRY_COMPARE_WITH_TIMEOUT(calc.display->text(), shown, 2000);
    QVERIFY(calc.window->calculator().controls().entry_active);
}

void ClipboardX11Test::capture_ignores_what_is_no_number_data() {
    QTest::addColumn<QByteArray>("copied");
    QTest::addColumn<QString>("target");
    QTest::newRow("negative number") << QByteArray("-5") << QString();
    QTest::newRow("image") << png_image() << QStringLiteral("image/png");
    QTest::newRow("one megabyte, no number") << huge_non_number() << QString();
}

void ClipboardX11Test::capture_ignores_what_is_no_number() {
    QFETCH(QByteArray, copied);
    QFETCH(QString, target);
    CapturingWindow calc;
    QVERIFY(calc.display != nullptr);
    QVERIFY(calc.timer1 != nullptr);
    const QString before = calc.display->text();
    const orvane::engine::Controls controls_before = calc.window->calculator().controls();

    offer(copied, target);
    const int ticks_at_offer = calc.ticks;
    // Two ticks with the content on the clipboard, then nothing may have changed.
    QTRY_VERIFY_WITH_TIMEOUT(calc.ticks >= ticks_at_offer + 2, 3500);
    QCOMPARE(calc.display->text(), before);
    const orvane::engine::Controls& after = calc.window->calculator().controls();
    QCOMPARE(after.display, controls_before.display);
    QCOMPARE(after.entry_active, controls_before.entry_active);
    QVERIFY(after.autoload);
    QVERIFY(calc.timer1->isActive());
    // And the clipboard still holds what the other client put there.
    QVERIFY(targets().contains(target.isEmpty() ? QStringLiteral("UTF8_STRING") : target));
}

QTEST_MAIN(ClipboardX11Test)
#include "clipboard_x11_test.moc"
