// Start-up measurement: with ORVANE_REPORT_FIRST_FRAME=1 in the environment a program reports,
// once its first window has painted its first frame, the wall-clock time of that frame and its
// resident memory on stdout, then quits. tools/measure-startup.sh reads these lines.
#pragma once

#include <QWidget>

namespace orvane::app {

bool first_frame_report_requested();

// Watches `window` (already shown or about to be); after its first paint has been flushed it
// prints "first_frame_epoch_ns=", "since_start_ms=", "cpu_ms=" and "vmrss_kb=" lines and
// quits the application.
void report_first_frame_then_quit(QWidget* window);

}  // namespace orvane::app
