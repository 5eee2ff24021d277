// The contract between the mortgage window and the schedule module, a shared object loaded
// when 还款明细 is first pressed, so that the chart libraries stay out of the start-up.
#pragma once

#include "mortgage/loan.h"

class QWidget;

namespace orvane {

// Raised whenever LoanInput or the entry points change, so that a module left over from
// another build is refused instead of being called wrongly.
inline constexpr int kScheduleModuleAbi = 2;

// File name of the module; installed in <libdir>/orvane-calculator/.
inline constexpr char kScheduleModuleFile[] = "orvane-mortgage-schedule.so";

// Exported by the module (extern "C"):
//   int orvane_schedule_abi();   returns kScheduleModuleAbi as the module knows it
//   QWidget* orvane_schedule_open(const LoanInput*, QWidget* parent);
//       a new, not yet shown, top-level window owned by `parent` that deletes itself when
//       closed; null on failure
inline constexpr char kScheduleAbiSymbol[] = "orvane_schedule_abi";
inline constexpr char kScheduleOpenSymbol[] = "orvane_schedule_open";
using ScheduleAbiFunction = int (*)();
using ScheduleOpenFunction = QWidget* (*)(const mortgage::LoanInput*, QWidget*);

}  // namespace orvane
