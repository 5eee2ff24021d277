// The entry points of the schedule module.
#include <QWidget>
#include <QtGlobal>
#include <type_traits>

#include "ui/mortgage/schedule_module_abi.h"
#include "ui/mortgage/schedule_window.h"

extern "C" Q_DECL_EXPORT int orvane_schedule_abi() {
    return orvane::kScheduleModuleAbi;
}

extern "C" Q_DECL_EXPORT QWidget* orvane_schedule_open(const orvane::mortgage::LoanInput* input,
                                                       QWidget* parent) {
    // No exception may cross into the program.
    try {
        return input == nullptr ? nullptr : new orvane::ScheduleWindow(*input, parent);
    } catch (...) {
        return nullptr;
    }
}

static_assert(std::is_same_v<decltype(&orvane_schedule_abi), orvane::ScheduleAbiFunction>);
static_assert(std::is_same_v<decltype(&orvane_schedule_open), orvane::ScheduleOpenFunction>);
