#include "app/session_bus_connector.h"

#include <QDBusConnection>

namespace orvane::app {

SessionBusConnector::SessionBusConnector() : thread_([] { (void)QDBusConnection::sessionBus(); }) {}

SessionBusConnector::~SessionBusConnector() {
    if (thread_.joinable()) {
        thread_.join();
    }
}

}  // namespace orvane::app
