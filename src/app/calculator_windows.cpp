#include "app/calculator_windows.h"

#include "app/main_window_behaviour.h"
#include "ui/expression/bds_window.h"
#include "ui/mortgage/house_window.h"
#include "ui/main/tallybox.h"

namespace orvane::app {

QWidget* create_calculator_window(CalculatorKind kind, WindowSwitcher& switcher) {
    switch (kind) {
        case CalculatorKind::Expression: {
            auto* window = new BDS(switcher.values());
            QObject::connect(window, &BDS::switchRequested, &switcher, &WindowSwitcher::switchTo);
            return window;
        }
        case CalculatorKind::Mortgage: {
            auto* window = new House();
            QObject::connect(window, &House::switchRequested, &switcher, &WindowSwitcher::switchTo);
            return window;
        }
        case CalculatorKind::Standard:
            break;
    }
    auto* window = new Tallybox(switcher.registers(), switcher.values());
    attach_main_window_behaviour(*window);
    QObject::connect(window, &Tallybox::switchRequested, &switcher, &WindowSwitcher::switchTo);
    QObject::connect(window, &Tallybox::exitRequested, &switcher, &WindowSwitcher::exitProgram);
    return window;
}

}  // namespace orvane::app
