// The desktop clipboard for real: another X client (xclip) owns or reads the CLIPBOARD
// selection while this process copies to it, reads it and captures numbers from it into the
// main window; an owner that is stopped never holds up this process's thread. Runs on the xcb
// platform under its own Xvfb (see run_on_xvfb.sh).
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
#include <algorithm>
#include <csignal>
#include <memory>
#include <optional>

#include "engine/calculator.h"
#include "startup/startup_values.h"
#include "ui/common/clipboard_reader.h"
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

// A number a megabyte long whose whole part fits the display: all of it is fraction.
QByteArray huge_fraction() {
    return "0." + huge_digits();
}

// One read through the program's clipboard reader: how long the call itself held this thread,
// the text if one came within `wait_ms`, and the longest stretch in which this thread's event
// loop did not run meanwhile.
struct TimedRead {
    qint64 call_ms = 0;
    std::optional<QString> text;
    qint64 longest_stall_ms = 0;
};

TimedRead timed_read(orvane::ClipboardReader& reader, int wait_ms) {
    TimedRead read;
    QElapsedTimer since_last_beat;
    QTimer beat;
    beat.setInterval(10);
    QObject::connect(&beat, &QTimer::timeout, [&] {
        read.longest_stall_ms = std::max(read.longest_stall_ms, since_last_beat.restart());
    });
    since_last_beat.start();
    beat.start();
    QElapsedTimer call;
    call.start();
    reader.read_text(orvane::ClipboardReader::Purpose::paste,
                     [&read](const QString& text) { read.text = text; });
    read.call_ms = call.elapsed();
    static_cast<void>(QTest::qWaitFor([&] { return read.text.has_value(); }, wait_ms));
    return read;
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
    void stopped_owner_never_holds_up_the_thread();

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
    const std::unique_ptr<orvane::ClipboardReader> reader = orvane::make_clipboard_reader();
    // Read once a second by the capture: it must not take a second itself.
    const TimedRead read = timed_read(*reader, 1000);
    QVERIFY(read.text.has_value());
    QCOMPARE(read.text->size(), QString::fromUtf8(text).size());
    QCOMPARE(read.text->toUtf8(), text);
    QVERIFY2(read.call_ms < 200, qPrintable(QString::number(read.call_ms)));
}

void ClipboardX11Test::image_reads_as_no_text() {
    offer(png_image(), QStringLiteral("image/png"));
    const std::unique_ptr<orvane::ClipboardReader> reader = orvane::make_clipboard_reader();
    QCOMPARE(timed_read(*reader, 1500).text, std::nullopt);
}

// The owner is stopped: the read is dropped after its deadline while this thread runs on; once
// the owner runs again, the next read gets the text (its late answer to the dropped read is
// not taken for the new one's).
void ClipboardX11Test::stopped_owner_never_holds_up_the_thread() {
    offer("42", {});
    const std::unique_ptr<orvane::ClipboardReader> reader = orvane::make_clipboard_reader();
    QCOMPARE(timed_read(*reader, 1000).text, std::optional<QString>(QStringLiteral("42")));

    const auto owner = static_cast<pid_t>(owner_->processId());
    QCOMPARE(::kill(owner, SIGSTOP), 0);
    const TimedRead stalled = timed_read(*reader, 2000);
    QCOMPARE(stalled.text, std::nullopt);
    // Bounds for a loaded machine, far below the 5 s the toolkit's own read waits.
    QVERIFY2(stalled.call_ms < 200, qPrintable(QString::number(stalled.call_ms)));
    QVERIFY2(stalled.longest_stall_ms < 1000,
             qPrintable(QString::number(stalled.longest_stall_ms)));

    QCOMPARE(::kill(owner, SIGCONT), 0);
    QTRY_COMPARE_WITH_TIMEOUT(timed_read(*reader, 1000).text,
                              std::optional<QString>(QStringLiteral("42")), 5000);
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
    QTest::newRow("fraction cut to twelve characters")
        << QByteArray("3.14159265358979") << QStringLiteral("3.1415926535");
    const QByteArray huge = huge_fraction();
    QTest::newRow("one megabyte, a fraction")
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
    QTest::newRow("whole part too long") << QByteArray("1234567890123") << QString();
    QTest::newRow("one megabyte of digits") << huge_digits() << QString();
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
