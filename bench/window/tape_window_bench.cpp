// The main window with the session's tape: one key (press and release through the window's
// native window, as the keyboard delivers it) with the tape window closed and open, and
// scrolling a tape of 10,000 lines. Runs on the offscreen platform.
#include <benchmark/benchmark.h>

#include <QAbstractItemModel>
#include <QApplication>
#include <QKeyEvent>
#include <QListView>
#include <QScrollBar>
#include <QWindow>
#include <memory>
#include <random>

#include "engine/tape.h"
#include "startup/startup_values.h"
#include "ui/main/tallybox.h"
#include "ui/main/tape/tape_panel.h"

namespace {

struct Window {
    Window() : box(std::make_unique<orvane::Tallybox>(registers, values)) {
        box->set_clip_player([](std::string_view) {});
        box->attach_tape(tape);
        box->show();
        QApplication::processEvents();
    }
    void key(char character) {
        const auto code = static_cast<int>(character);
        const QString text(QChar::fromLatin1(character));
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, text);
        QKeyEvent release(QEvent::KeyRelease, code, Qt::NoModifier, text);
        QCoreApplication::sendEvent(box->windowHandle(), &press);
        QCoreApplication::sendEvent(box->windowHandle(), &release);
    }
    orvane::engine::Registers registers;
    orvane::engine::Tape tape;
    orvane::StartupValues values;
    std::unique_ptr<orvane::Tallybox> box;
};

// A calculation of 8 keys ("12+34=" and two more digits) repeated, each key with the events
// it posts (the repaints of both windows); time per key. The tape starts with `lines` lines
// (held at most at its 10,000-line cap).
void BM_KeyOnTheWindow(benchmark::State& state) {
    Window window;
    for (std::int64_t i = 0; i < state.range(1) / 3; ++i) {
        for (const char c : {'1', '2', '3', '+', '4', '='}) {
            window.key(c);
        }
    }
    if (state.range(0) != 0) {
        window.box->toggle_tape();
    }
    QApplication::processEvents();
    const char keys[] = {'1', '2', '+', '3', '4', '=', '5', '*'};
    std::size_t next = 0;
    for (auto _ : state) {
        window.key(keys[next]);
        QApplication::processEvents();
        next = (next + 1) % sizeof keys;
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_KeyOnTheWindow)
    ->ArgNames({"tape_open", "lines"})
    ->ArgsProduct({{0, 1}, {0, 10'000}})
    ->Unit(benchmark::kMicrosecond);

// The tape window holding 10,000 lines: one scroll step to a random place and its repaint.
void BM_ScrollTenThousandLines(benchmark::State& state) {
    Window window;
    for (int i = 0; i < 3'400; ++i) {
        for (const char c : {'1', '2', '3', '+', '4', '='}) {
            window.key(c);
        }
    }
    window.box->toggle_tape();
    auto* list = window.box->tape_panel()->findChild<QListView*>(QStringLiteral("Tape_List"));
    QScrollBar* bar = list->verticalScrollBar();
    // The list lays its rows out in batches between events: wait until all are.
    for (int pass = 0; pass < 10'000 && bar->maximum() < 9'900; ++pass) {
        QApplication::processEvents();
    }
    std::mt19937 random(8);
    std::uniform_int_distribution<int> place(bar->minimum(), bar->maximum());
    for (auto _ : state) {
        bar->setValue(place(random));
        list->viewport()->repaint();
    }
    state.counters["lines"] = static_cast<double>(list->model()->rowCount());
    state.counters["scroll_range"] = static_cast<double>(bar->maximum());
}
BENCHMARK(BM_ScrollTenThousandLines)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
