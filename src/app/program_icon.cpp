#include "app/program_icon.h"

#include <QApplication>
#include <QIcon>

#include "ui/common/png_image.h"

// The images are compiled into a static library: they register only when asked to.
static void register_program_images() {
    Q_INIT_RESOURCE(images);
}

namespace orvane::app {

void set_program_icon() {
    register_program_images();
    QIcon icon;
    for (const char* path : {":/images/icon16.png", ":/images/icon32.png"}) {
        const QPixmap image = load_png(QString::fromLatin1(path));
        if (!image.isNull()) {
            icon.addPixmap(image);
        }
    }
    if (!icon.isNull()) {
        QApplication::setWindowIcon(icon);
    }
}

}  // namespace orvane::app
