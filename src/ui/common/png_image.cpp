#include "ui/common/png_image.h"

#include <png.h>

#include <QFile>
#include <QImage>

namespace orvane {

QImage decode_png(const QByteArray& bytes) {
    png_image png{};
    png.version = PNG_IMAGE_VERSION;
    if (png_image_begin_read_from_memory(&png, bytes.constData(),
                                         static_cast<std::size_t>(bytes.size())) == 0) {
        return {};
    }
    // Bytes B, G, R, A in memory are Qt's ARGB32 on a little-endian machine; straight alpha.
    png.format = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? PNG_FORMAT_BGRA : PNG_FORMAT_ARGB;
    QImage image(static_cast<int>(png.width), static_cast<int>(png.height), QImage::Format_ARGB32);
    if (image.isNull()) {
        png_image_free(&png);
        return {};
    }
    // The row stride counts components, one byte each here.
    if (png_image_finish_read(&png, nullptr, image.bits(),
                              static_cast<png_int_32>(image.bytesPerLine()), nullptr) == 0) {
        png_image_free(&png);
        return {};
    }
    return image;
}

QPixmap load_png(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    const QImage image = decode_png(file.readAll());
    return image.isNull() ? QPixmap() : QPixmap::fromImage(image);
}

}  // namespace orvane
