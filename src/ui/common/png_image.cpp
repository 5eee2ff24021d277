#include "ui/common/png_image.h"

#include <QImage>
#include <QImageReader>

namespace orvane {

QPixmap load_png(const QString& path) {
    QImageReader reader(path, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read();
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace orvane
