// Asks the window manager to add or drop entries of a mapped window's _NET_WM_STATE. Window
// managers read most of that state only when a window is mapped, and keep what they read; a
// window that changes its role while mapped (the mini strip) must ask.
#pragma once

#include <initializer_list>
#include <optional>

class QWidget;

namespace orvane {

enum class WmState { skip_taskbar, skip_pager, above };

// Does nothing off X11 or before the window has a native window.
void request_wm_state(const QWidget* window, std::initializer_list<WmState> states, bool on);

// Writes STATES into the _NET_WM_STATE of a window that is about to be mapped, beside what is
// there: window managers read it when they map the window (the toolkit merges its own entries
// into it at the map). Does nothing off X11 or before the window has a native window.
void set_wm_state_before_map(const QWidget* window, std::initializer_list<WmState> states);

// Asks the window manager to activate the window on the user's behalf, as a pager does: a
// window the user brought back by touching its sliver gets the keyboard also where the window
// manager refuses a program's own request (GNOME under Wayland).
void request_activation(const QWidget* window);

// Whether the window's _NET_WM_STATE lists STATE; nullopt when the server cannot be asked.
[[nodiscard]] std::optional<bool> has_wm_state(const QWidget* window, WmState state);

// Forgets the _NET_WM_STATE of an unmapped window, so that it is mapped with only the state
// the toolkit writes (a window manager may have left "hidden" there from the minimised strip).
void forget_wm_state(const QWidget* window);

}  // namespace orvane
