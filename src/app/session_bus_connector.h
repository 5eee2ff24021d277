#pragma once

#include <thread>

namespace orvane::app {

// Connects to the desktop's session bus on a helper thread. The accessibility bridge connects
// synchronously the first time a control changes its text; when no bus address is set, that
// connection starts a bus first and takes several milliseconds. Begun here, it overlaps with the
// first window's font loading, and the bridge then finds the connection made (or waits for the
// rest of it: nothing is done twice). Create it after the application object.
class SessionBusConnector {
  public:
    SessionBusConnector();
    ~SessionBusConnector();
    SessionBusConnector(const SessionBusConnector&) = delete;
    SessionBusConnector& operator=(const SessionBusConnector&) = delete;

  private:
    std::thread thread_;
};

}  // namespace orvane::app
