#include "app/calculator_windows.h"

#include "app/main_window_behaviour.h"
#include "ui/expression/bds_window.h"
#include "ui/main/tallybox.h"
#include "ui/mortgage/house_window.h"

namespace orvane::app {

QWidget* create_calculator_window(CalculatorKind kind, WindowSwitcher& switcher) {
    switch (kind) {
        case CalculatorKind::expression: {
            auto* window = new BDS(switcher.values());
            QObject::connect(window, &BDS::switch_requested, &switcher, &WindowSwitcher::switch_to);
            return window;
        }
        case CalculatorKind::mortgage: {
            auto* window = new House();
            QObject::connect(window, &House::switch_requested, &switcher,
                             &WindowSwitcher::switch_to);
            return window;
        }
        case CalculatorKind::standard:
            break;
    }
    auto* window = new Tallybox(switcher.registers(), switcher.values());
    window->attach_tape(switcher.tape());
    attach_main_window_behaviour(*window);
    QObject::connect(window, &Tallybox::switch_requested, &switcher, &WindowSwitcher::switch_to);
    QObject::connect(window, &Tallybox::exit_requested, &switcher, &WindowSwitcher::exit_program);
    return window;
}

}  // namespace orvane::app
