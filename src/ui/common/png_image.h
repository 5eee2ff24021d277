// Images the program carries as PNG, decoded by libpng directly. Qt's image reader would first
// read the metadata of every image-format plugin installed, which costs start-up time.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace orvane {

// The image that `bytes` encode as PNG, in Format_ARGB32; a null image when they are not a
// readable PNG.
QImage decode_png(const QByteArray& bytes);

// The PNG image at `path` (a file or a ":/..." resource); a null pixmap when it is missing or
// not a readable PNG.
QPixmap load_png(const QString& path);

}  // namespace orvane
