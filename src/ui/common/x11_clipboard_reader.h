// The clipboard reader of the X11 desktop: the CLIPBOARD selection is fetched on a thread of
// its own with a deadline, and the text is handed back through the event loop. A read that
// has not been answered by then is dropped; the window's thread never waits for the owner.
#pragma once

#include <QObject>
#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

#include "ui/common/clipboard_reader.h"

namespace orvane {

class X11ClipboardReader final : public QObject, public ClipboardReader {
  public:
    // `display_name` as the toolkit's (empty: $DISPLAY); `patience` bounds each wait for the
    // owner. Nothing connects until the first read.
    X11ClipboardReader(std::string display_name, std::chrono::milliseconds patience);
    ~X11ClipboardReader() override;

    void read_text(Purpose purpose, Answer answer) override;

  private:
    void fetch_loop();
    void finish(Purpose purpose, const QString& text, bool read);

    const std::string display_name_;
    const std::chrono::milliseconds patience_;
    // Owned by the window's thread: the answer of each purpose's read under way.
    std::array<Answer, 2> waiting_;

    std::mutex mutex_;
    std::condition_variable requested_;
    std::deque<Purpose> requests_;  // guarded by mutex_
    bool stopping_ = false;         // guarded by mutex_
    int wake_fd_ = -1;              // readable once stopping: ends a wait for the owner
    std::thread worker_;
};

}  // namespace orvane
