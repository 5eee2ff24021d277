#include "app/head_start.h"

#include <fontconfig/fontconfig.h>

#include <QDBusConnection>
#include <utility>

namespace orvane::app {

HeadStart::HeadStart(std::function<void()> work) : thread_(std::move(work)) {}

HeadStart::~HeadStart() {
    wait();
}

void HeadStart::wait() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

void load_font_configuration() {
    FcInit();
}

void connect_session_bus() {
    (void)QDBusConnection::sessionBus();
}

}  // namespace orvane::app
