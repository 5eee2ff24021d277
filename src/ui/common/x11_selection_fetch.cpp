#include "ui/common/x11_selection_fetch.h"

#include <poll.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <vector>

namespace orvane {
namespace {

using Clock = SelectionFetch::Clock;
using Outcome = SelectionFetch::Outcome;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
// What xcb hands out is released with free().
template <typename T>
using XcbPointer = std::unique_ptr<T, FreeDeleter>;

// Answers to earlier reads may still come after their deadline: each read asks for its text in
// the next of these properties, so that a late answer is recognised as not its own.
constexpr std::size_t kProperties = 8;

constexpr std::uint32_t kMaxWords = SelectionFetch::kMaxBytes / 4;

enum class Wait { event, timed_out, interrupted, broken };

Outcome outcome_of(Wait wait) {
    switch (wait) {
        case Wait::timed_out:
            return Outcome::timed_out;
        case Wait::interrupted:
            return Outcome::interrupted;
        case Wait::event:
        case Wait::broken:
            break;
    }
    return Outcome::broken;
}

// The next event of the connection, waiting for it until `deadline` at most.
Wait next_event(xcb_connection_t* xcb, Clock::time_point deadline, int wake_fd,
                XcbPointer<xcb_generic_event_t>& event) {
    for (;;) {
        event.reset(xcb_poll_for_event(xcb));
        if (event) {
            return Wait::event;
        }
        if (xcb_connection_has_error(xcb) != 0) {
            return Wait::broken;
        }
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return Wait::timed_out;
        }
        std::array<pollfd, 2> watched{
            {{xcb_get_file_descriptor(xcb), POLLIN, 0}, {wake_fd, POLLIN, 0}}};
        const nfds_t count = wake_fd >= 0 ? 2 : 1;
        if (poll(watched.data(), count, static_cast<int>(left)) < 0 && errno != EINTR) {
            return Wait::broken;
        }
        if (count == 2 && (watched[1].revents & POLLIN) != 0) {
            return Wait::interrupted;
        }
    }
}

std::uint8_t event_kind(const xcb_generic_event_t& event) {
    return event.response_type & 0x7F;
}

}  // namespace

struct SelectionFetch::Connection {
    xcb_connection_t* xcb = nullptr;
    xcb_window_t window = XCB_WINDOW_NONE;
    xcb_atom_t clipboard = XCB_ATOM_NONE;
    xcb_atom_t utf8_string = XCB_ATOM_NONE;
    xcb_atom_t incr = XCB_ATOM_NONE;
    std::array<xcb_atom_t, kProperties> properties{};
    std::size_t next_property = 0;

    ~Connection() {
        if (xcb != nullptr) {
            xcb_disconnect(xcb);
        }
    }

    bool open(const std::string& display_name);
    // Waits for the owner's answer to ConvertSelection: true when the text is in `property`.
    Wait await_answer(xcb_atom_t target, xcb_atom_t property, Clock::time_point deadline,
                      int wake_fd, bool& given);
    Outcome read_property(xcb_atom_t target, xcb_atom_t property, Clock::duration patience,
                          Clock::time_point give_up, int wake_fd, std::string& bytes);
    Outcome read_chunks(xcb_atom_t target, xcb_atom_t property, Clock::duration patience,
                        Clock::time_point give_up, int wake_fd, std::string& bytes);
};

bool SelectionFetch::Connection::open(const std::string& display_name) {
    int screen_number = 0;
    xcb = xcb_connect(display_name.empty() ? nullptr : display_name.c_str(), &screen_number);
    if (xcb_connection_has_error(xcb) != 0) {
        return false;
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(xcb));
    for (int i = 0; i < screen_number && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    if (screens.rem == 0) {
        return false;
    }
    window = xcb_generate_id(xcb);
    // Large texts come in chunks, each announced by a change of the property.
    const std::uint32_t event_mask = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(xcb, XCB_COPY_FROM_PARENT, window, screens.data->root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &event_mask);

    std::vector<std::string> names = {"CLIPBOARD", "UTF8_STRING", "INCR"};
    for (std::size_t i = 0; i < kProperties; ++i) {
        names.push_back("ORVANE_CLIPBOARD_" + std::to_string(i));
    }
    std::vector<xcb_intern_atom_cookie_t> cookies;
    for (const std::string& name : names) {
        cookies.push_back(
            xcb_intern_atom(xcb, 0, static_cast<std::uint16_t>(name.size()), name.data()));
    }
    std::vector<xcb_atom_t> atoms;
    for (const xcb_intern_atom_cookie_t cookie : cookies) {
        const XcbPointer<xcb_intern_atom_reply_t> reply(
            xcb_intern_atom_reply(xcb, cookie, nullptr));
        if (!reply) {
            return false;
        }
        atoms.push_back(reply->atom);
    }
    clipboard = atoms[0];
    utf8_string = atoms[1];
    incr = atoms[2];
    std::copy(atoms.begin() + 3, atoms.end(), properties.begin());
    return true;
}

Wait SelectionFetch::Connection::await_answer(xcb_atom_t target, xcb_atom_t property,
                                              Clock::time_point deadline, int wake_fd,
                                              bool& given) {
    XcbPointer<xcb_generic_event_t> event;
    for (;;) {
        const Wait wait = next_event(xcb, deadline, wake_fd, event);
        if (wait != Wait::event) {
            return wait;
        }
        if (event_kind(*event) != XCB_SELECTION_NOTIFY) {
            continue;
        }
        const auto& notify = *reinterpret_cast<const xcb_selection_notify_event_t*>(event.get());
        if (notify.requestor != window || notify.selection != clipboard ||
            notify.target != target) {
            continue;
        }
        // A refusal names no property, so a late refusal of an earlier read cannot be told
        // apart; it only makes this read try the next target.
        if (notify.property == XCB_ATOM_NONE || notify.property == property) {
            given = notify.property == property;
            return Wait::event;
        }
    }
}

Outcome SelectionFetch::Connection::read_property(xcb_atom_t target, xcb_atom_t property,
                                                  Clock::duration patience,
                                                  Clock::time_point give_up, int wake_fd,
                                                  std::string& bytes) {
    const XcbPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        xcb, xcb_get_property(xcb, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxWords),
        nullptr));
    if (!reply) {
        return xcb_connection_has_error(xcb) != 0 ? Outcome::broken : Outcome::no_text;
    }
    if (reply->type == incr) {
        // Reading deleted the announcement, which asks the owner for the first chunk.
        return read_chunks(target, property, patience, give_up, wake_fd, bytes);
    }
    // Some owners send their one kind of data whatever was asked for (an image, say).
    if (reply->type != target || reply->format != 8 || reply->bytes_after > 0) {
        return Outcome::no_text;
    }
    const auto* value = static_cast<const char*>(xcb_get_property_value(reply.get()));
    bytes.assign(value, static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
    return Outcome::text;
}

// Each chunk is announced by a new value of the property; deleting it asks for the next one,
// and an empty chunk ends the text.
Outcome SelectionFetch::Connection::read_chunks(xcb_atom_t target, xcb_atom_t property,
                                                Clock::duration patience, Clock::time_point give_up,
                                                int wake_fd, std::string& bytes) {
    bytes.clear();
    XcbPointer<xcb_generic_event_t> event;
    for (;;) {
        const Clock::time_point deadline = std::min(Clock::now() + patience, give_up);
        const Wait wait = next_event(xcb, deadline, wake_fd, event);
        if (wait != Wait::event) {
            return outcome_of(wait);
        }
        if (event_kind(*event) != XCB_PROPERTY_NOTIFY) {
            continue;
        }
        const auto& change = *reinterpret_cast<const xcb_property_notify_event_t*>(event.get());
        if (change.window != window || change.atom != property ||
            change.state != XCB_PROPERTY_NEW_VALUE) {
            continue;
        }
        const XcbPointer<xcb_get_property_reply_t> reply(xcb_get_property_reply(
            xcb,
            xcb_get_property(xcb, 1, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, kMaxWords),
            nullptr));
        if (!reply || reply->bytes_after > 0) {
            return Outcome::no_text;
        }
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(reply.get()));
        if (length == 0) {
            return Outcome::text;
        }
        if (reply->type != target || reply->format != 8 || bytes.size() + length > kMaxBytes) {
            return Outcome::no_text;
        }
        bytes.append(static_cast<const char*>(xcb_get_property_value(reply.get())), length);
        xcb_flush(xcb);
    }
}

SelectionFetch::SelectionFetch(const std::string& display_name)
    : connection_(std::make_unique<Connection>()) {
    if (!connection_->open(display_name)) {
        connection_->window = XCB_WINDOW_NONE;
    }
    xcb_flush(connection_->xcb);
}

SelectionFetch::~SelectionFetch() = default;

bool SelectionFetch::connected() const {
    return connection_->xcb != nullptr && xcb_connection_has_error(connection_->xcb) == 0 &&
           connection_->window != XCB_WINDOW_NONE;
}

SelectionFetch::Result SelectionFetch::fetch(Clock::duration patience, int wake_fd) {
    Result result;
    if (!connected()) {
        return result;
    }
    Connection& c = *connection_;
    const Clock::time_point give_up = Clock::now() + kMaxTransfer;
    const xcb_atom_t property = c.properties[c.next_property++ % kProperties];
    for (const xcb_atom_t target : {c.utf8_string, xcb_atom_t{XCB_ATOM_STRING}}) {
        xcb_delete_property(c.xcb, c.window, property);
        xcb_convert_selection(c.xcb, c.window, c.clipboard, target, property, XCB_CURRENT_TIME);
        xcb_flush(c.xcb);
        bool given = false;
        const Wait wait = c.await_answer(
            target, property, std::min(Clock::now() + patience, give_up), wake_fd, given);
        if (wait != Wait::event) {
            result.outcome = outcome_of(wait);
            return result;
        }
        if (given) {
            result.latin1 = target == XCB_ATOM_STRING;
            result.outcome =
                c.read_property(target, property, patience, give_up, wake_fd, result.bytes);
            return result;
        }
    }
    result.outcome = Outcome::no_text;
    return result;
}

}  // namespace orvane
