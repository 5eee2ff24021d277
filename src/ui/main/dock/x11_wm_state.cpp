#include "ui/main/dock/x11_wm_state.h"

#include <QGuiApplication>
#include <QWidget>

#ifdef ORVANE_HAVE_XCB
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>
#endif

namespace orvane {

#ifdef ORVANE_HAVE_XCB
namespace {

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name) {
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(name.size()), name.data()),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

std::string_view atom_name(WmState state) {
    switch (state) {
        case WmState::skip_taskbar:
            return "_NET_WM_STATE_SKIP_TASKBAR";
        case WmState::skip_pager:
            return "_NET_WM_STATE_SKIP_PAGER";
        case WmState::above:
            return "_NET_WM_STATE_ABOVE";
    }
    return {};
}

// The X connection, when the window has a native X window.
xcb_connection_t* connection_for(const QWidget* window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    const bool created = window != nullptr && window->testAttribute(Qt::WA_WState_Created);
    return created ? connection : nullptr;
}

}  // namespace
#endif

void request_wm_state(const QWidget* window, std::initializer_list<WmState> states, bool on) {
#ifdef ORVANE_HAVE_XCB
    xcb_connection_t* connection = connection_for(window);
    if (connection == nullptr) {
        return;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t net_wm_state = atom(connection, "_NET_WM_STATE");
    for (const WmState state : states) {
        // One entry per message: the second slot is not honoured everywhere.
        xcb_client_message_event_t message;
        std::memset(&message, 0, sizeof message);
        message.response_type = XCB_CLIENT_MESSAGE;
        message.format = 32;
        message.window = static_cast<xcb_window_t>(window->winId());
        message.type = net_wm_state;
        message.data.data32[0] = on ? 1 : 0;  // _NET_WM_STATE_ADD / _REMOVE
        message.data.data32[1] = atom(connection, atom_name(state));
        message.data.data32[2] = 0;
        message.data.data32[3] = 1;  // from an application
        xcb_send_event(connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                       reinterpret_cast<const char*>(&message));
    }
    xcb_flush(connection);
#else
    Q_UNUSED(window);
    Q_UNUSED(states);
    Q_UNUSED(on);
#endif
}

void set_wm_state_before_map(const QWidget* window, std::initializer_list<WmState> states) {
#ifdef ORVANE_HAVE_XCB
    xcb_connection_t* connection = connection_for(window);
    if (connection == nullptr) {
        return;
    }
    const auto id = static_cast<xcb_window_t>(window->winId());
    const xcb_atom_t net_wm_state = atom(connection, "_NET_WM_STATE");
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, id, net_wm_state, XCB_ATOM_ATOM, 0, 64),
            nullptr),
        &std::free);
    std::vector<xcb_atom_t> atoms;
    if (reply && reply->format == 32) {
        const auto* present = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
        atoms.assign(present, present + xcb_get_property_value_length(reply.get()) /
                                            int(sizeof(xcb_atom_t)));
    }
    for (const WmState state : states) {
        const xcb_atom_t wanted = atom(connection, atom_name(state));
        if (std::find(atoms.begin(), atoms.end(), wanted) == atoms.end()) {
            atoms.push_back(wanted);
        }
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, net_wm_state, XCB_ATOM_ATOM, 32,
                        static_cast<uint32_t>(atoms.size()), atoms.data());
    xcb_flush(connection);
#else
    Q_UNUSED(window);
    Q_UNUSED(states);
#endif
}

void request_activation(const QWidget* window) {
#ifdef ORVANE_HAVE_XCB
    xcb_connection_t* connection = connection_for(window);
    if (connection == nullptr) {
        return;
    }
    xcb_client_message_event_t message;
    std::memset(&message, 0, sizeof message);
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = static_cast<xcb_window_t>(window->winId());
    message.type = atom(connection, "_NET_ACTIVE_WINDOW");
    message.data.data32[0] = 2;  // from a pager: on the user's behalf
    message.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

std::optional<bool> has_wm_state(const QWidget* window, WmState state) {
#ifdef ORVANE_HAVE_XCB
    xcb_connection_t* connection = connection_for(window);
    if (connection == nullptr) {
        return std::nullopt;
    }
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(
            connection,
            xcb_get_property(connection, 0, static_cast<xcb_window_t>(window->winId()),
                             atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 0, 64),
            nullptr),
        &std::free);
    if (!reply) {
        return std::nullopt;
    }
    const xcb_atom_t wanted = atom(connection, atom_name(state));
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / int(sizeof(xcb_atom_t));
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == wanted) {
            return true;
        }
    }
    return false;
#else
    Q_UNUSED(window);
    Q_UNUSED(state);
    return std::nullopt;
#endif
}

void forget_wm_state(const QWidget* window) {
#ifdef ORVANE_HAVE_XCB
    xcb_connection_t* connection = connection_for(window);
    if (connection == nullptr) {
        return;
    }
    xcb_delete_property(connection, static_cast<xcb_window_t>(window->winId()),
                        atom(connection, "_NET_WM_STATE"));
    xcb_flush(connection);
#else
    Q_UNUSED(window);
#endif
}

}  // namespace orvane
