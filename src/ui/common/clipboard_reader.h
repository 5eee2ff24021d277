// Reading the desktop clipboard's text without ever waiting for another program on the
// window's thread: a clipboard owner that is stopped or hangs must not freeze the calculator.
#pragma once

#include <QString>
#include <functional>
#include <memory>

namespace orvane {

class ClipboardReader {
  public:
    // What a read is for. At most one read per purpose is under way; a second one asked for
    // meanwhile is dropped (the capture timer asks again at its next tick).
    enum class Purpose { capture, paste };
    // Runs on the asking thread, from its event loop or at once, and only with a text: an
    // empty clipboard, one without text, or an owner that did not answer in time never calls it.
    using Answer = std::function<void(const QString& text)>;

    virtual ~ClipboardReader() = default;
    virtual void read_text(Purpose purpose, Answer answer) = 0;
};

// The reader for the platform the program runs on: on X11 a reader of the CLIPBOARD selection
// with its own connection and thread and a deadline per read; elsewhere (the offscreen test
// platform) the toolkit's clipboard, answered at once.
std::unique_ptr<ClipboardReader> make_clipboard_reader();

}  // namespace orvane
