// Finds and loads the schedule module when 还款明细 is first pressed; until then nothing of
// the chart libraries is in the process.
#pragma once

#include <QString>
#include <QStringList>

#include "mortgage/loan.h"

class QWidget;

namespace orvane {

// The files tried, in order: ORVANE_SCHEDULE_MODULE alone when set; otherwise beside the
// running executable (the build tree), then the installed module folders next to it.
QStringList schedule_module_candidates();

// A new schedule window for `input`, owned by `parent` and not yet shown, from the first
// candidate that loads and speaks this program's module ABI; null when none does. The module
// stays loaded for the life of the process.
QWidget* open_schedule_window(QWidget* parent, const mortgage::LoanInput& input);

}  // namespace orvane
