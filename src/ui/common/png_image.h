// Images the program carries as PNG. Reading them with the PNG reader alone keeps Qt from
// loading every image-format plugin to guess the format, which costs start-up time.
#pragma once

#include <QPixmap>
#include <QString>

namespace orvane {

// The PNG image at `path` (a file or a ":/..." resource); a null pixmap when it is missing or
// not a readable PNG.
QPixmap load_png(const QString& path);

}  // namespace orvane
