#include "ui/main/dock/x11_state.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

#ifdef ORVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#endif

namespace orvane {

#ifdef ORVANE_HAVE_XCB
namespace {

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};

xcb_connection_t* x11_connection() {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_window_t root_of(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

}  // namespace
#endif

bool on_xwayland() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return false;
    }
    const auto screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [](const QScreen* screen) {
        return screen->name().startsWith(QLatin1String("XWAYLAND"));
    });
}

std::optional<bool> server_pointer_buttons_down() {
#ifdef ORVANE_HAVE_XCB
    if (xcb_connection_t* connection = x11_connection()) {
        std::unique_ptr<xcb_query_pointer_reply_t, FreeDeleter> reply(xcb_query_pointer_reply(
            connection, xcb_query_pointer(connection, root_of(connection)), nullptr));
        if (reply) {
            constexpr unsigned kButtons =
                XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3;
            return (reply->mask & kButtons) != 0;
        }
    }
#endif
    return std::nullopt;
}

std::optional<QPoint> server_window_origin(const QWidget* window) {
#ifdef ORVANE_HAVE_XCB
    xcb_connection_t* connection = x11_connection();
    if (connection == nullptr || window == nullptr ||
        !window->testAttribute(Qt::WA_WState_Created)) {
        return std::nullopt;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    std::unique_ptr<xcb_translate_coordinates_reply_t, FreeDeleter> reply(
        xcb_translate_coordinates_reply(
            connection, xcb_translate_coordinates(connection, id, root_of(connection), 0, 0),
            nullptr));
    if (reply) {
        // Server pixels; Qt's positions are device-independent.
        const qreal ratio = window->devicePixelRatioF();
        return QPoint(qRound(reply->dst_x / ratio), qRound(reply->dst_y / ratio));
    }
#else
    Q_UNUSED(window);
#endif
    return std::nullopt;
}

}  // namespace orvane
