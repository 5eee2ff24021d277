// The images compiled into the program (logos, icons) and the program icon made of them.
#pragma once

#include <QIcon>

namespace orvane {

// Makes the ":/images/..." resources readable; they are compiled into a static library, which
// registers them only when asked to.
void register_program_images();

// The program icon (16 and 32 pixels), read once for every window, the desktop and the tray.
// Needs the application object.
const QIcon& program_icon();

}  // namespace orvane
