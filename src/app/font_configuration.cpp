#include "app/font_configuration.h"

#include <fontconfig/fontconfig.h>

namespace orvane::app {

FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

FontConfigurationLoader::~FontConfigurationLoader() {
    wait();
}

void FontConfigurationLoader::wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace orvane::app
