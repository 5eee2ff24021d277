#include "voice/clip_resources.h"

#include <QFile>

#include "voice/clip_catalogue.h"

// The resources live in a static library: register them explicitly, because nothing else
// refers to the generated object and the linker would drop it.
static void register_voice_resources() {
    Q_INIT_RESOURCE(voice);
}

namespace orvane::voice {

QByteArray load_clip(std::string_view name) {
    static const bool kRegistered = (register_voice_resources(), true);
    (void)kRegistered;
    const auto path = clip_resource_path(name);
    if (!path) {
        return {};
    }
    QFile file(QString::fromStdString(*path));
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

}  // namespace orvane::voice
