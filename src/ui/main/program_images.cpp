#include "ui/main/program_images.h"

#include <QPixmap>

#include "ui/main/dock/dock_controller.h"

static void register_images_resource() {
    Q_INIT_RESOURCE(images);
}

namespace orvane {

void register_program_images() {
    static const bool kRegistered = [] {
        register_images_resource();
        return true;
    }();
    (void)kRegistered;
}

const QIcon& program_icon() {
    // Kept for the whole process, never destroyed: windows and the tray hold copies until the end.
    static const QIcon* const kIcon = [] {
        register_program_images();
        auto* icon = new QIcon;
        for (const char* path : {":/images/icon16.png", ":/images/icon32.png"}) {
            const QPixmap image(QString::fromLatin1(path), "PNG");
            if (!image.isNull()) {
                icon->addPixmap(image);
            }
        }
        if (icon->isNull()) {
            // Without the image resources the tray still needs something to show.
            QPixmap plain(16, 16);
            plain.fill(kTitleNormal);
            icon->addPixmap(plain);
        }
        return icon;
    }();
    return *kIcon;
}

}  // namespace orvane
