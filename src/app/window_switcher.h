// Owns the calculator windows' lifecycle: exactly one is loaded at a time. A switch unloads
// the current window (its close step runs, it is destroyed once its event handler has
// returned) and creates the target afresh. The registers that the main window keeps in its
// window object live here for the whole run.
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "engine/calculator.h"
#include "engine/tape.h"
#include "startup/calculator_kind.h"
#include "startup/startup_values.h"

namespace orvane::app {

class WindowSwitcher : public QObject {
    Q_OBJECT
  public:
    // Creates a fresh, not yet shown window of `kind` and connects its requests to the
    // switcher's slots.
    using Factory = std::function<QWidget*(CalculatorKind kind, WindowSwitcher& switcher)>;

    WindowSwitcher(StartupValues values, Factory factory, QObject* parent = nullptr);
    ~WindowSwitcher() override;

    // Loads and shows the first window.
    void start(CalculatorKind first);

    QWidget* current() const { return current_; }
    std::optional<CalculatorKind> current_kind() const;

    engine::Registers& registers() { return registers_; }
    // The tape of the session: like the registers, it outlives every main window.
    engine::Tape& tape() { return tape_; }
    const StartupValues& values() const { return values_; }

  public slots:
    // A window's switch request (key or control). Safe to call from the window's own handler.
    void switch_to(orvane::CalculatorKind target);
    // The main window's exit control: unload the window and end the program at once.
    void exit_program();

  signals:
    // A window was created and shown.
    void window_shown(QWidget* window, orvane::CalculatorKind kind);
    // No calculator window is left: the program ends.
    void finished();

  private:
    void show_new(CalculatorKind kind);
    // Runs the window's close step and schedules its destruction.
    void unload(QWidget* window);
    void window_destroyed(QObject* window);

    engine::Registers registers_;
    engine::Tape tape_;
    const StartupValues values_;
    Factory factory_;
    QWidget* current_ = nullptr;
    QObject* current_object_ = nullptr;
    CalculatorKind current_kind_ = CalculatorKind::standard;
    std::vector<QPointer<QWidget>> unloading_;
};

}  // namespace orvane::app
