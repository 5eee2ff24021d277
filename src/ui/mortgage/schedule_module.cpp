#include "ui/mortgage/schedule_module.h"

#include "modules/module_loader.h"
#include "ui/mortgage/schedule_module_abi.h"

namespace orvane {

QStringList schedule_module_candidates() {
    return module_candidates_of_this_program(QString::fromLatin1(kScheduleModuleFile),
                                             qEnvironmentVariable("ORVANE_SCHEDULE_MODULE"));
}

QWidget* open_schedule_window(QWidget* parent, const mortgage::LoanInput& input) {
    static const auto kOpen = reinterpret_cast<ScheduleOpenFunction>(
        load_module(schedule_module_candidates(), kScheduleAbiSymbol, kScheduleModuleAbi,
                    kScheduleOpenSymbol)
            .entry);
    return kOpen != nullptr ? kOpen(&input, parent) : nullptr;
}

}  // namespace orvane
