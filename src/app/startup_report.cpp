#include "app/startup_report.h"

#include "engine/calculator.h"
#include "engine/screen_texts.h"
#include "startup/main_window_presets.h"

namespace orvane::app {

namespace {

std::string on_off(bool on) {
    return on ? "on" : "off";
}

}  // namespace

std::vector<ReportLine> startup_report(const Startup& startup) {
    const StartupValues& values = startup.values;

    // The main window's first load: fresh registers, no side effects wanted.
    engine::Registers registers;
    engine::Effects no_effects;
    engine::Calculator calculator(registers, no_effects);
    calculator.load(engine::main_window_presets(values));
    const engine::Controls& controls = calculator.controls();

    return {
        {"window", std::string(window_name(startup.first_window))},
        {"start_mode", std::to_string(values.start_mode)},
        {"option_decimals", std::to_string(values.option_decimals)},
        {"voice", on_off(calculator.registers().voice_on)},
        {"autocopy", on_off(controls.autocopy)},
        {"autoload", on_off(controls.autoload)},
        {"rounding", std::string(engine::rounding_word(controls.rounding))},
        {"decimals", std::to_string(controls.decimals)},
        {"bds_autocopy", on_off(expression_autocopy(values))},
    };
}

}  // namespace orvane::app
