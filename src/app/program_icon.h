// The program icon for every window of the process (the three calculators, their message
// boxes, the easter egg), set once at start-up.
#pragma once

namespace orvane::app {

void set_program_icon();

}  // namespace orvane::app
