// The CLIPBOARD selection's text fetched as any X client fetches it (ConvertSelection to
// UTF8_STRING, else STRING; large texts in INCR chunks), on an X connection of its own, and
// never waiting past a deadline. No toolkit: it runs on a thread of its own.
#pragma once

#include <chrono>
#include <cstddef>
#include <memory>
#include <string>

namespace orvane {

class SelectionFetch {
  public:
    using Clock = std::chrono::steady_clock;

    enum class Outcome {
        text,         // `bytes` holds the text
        no_text,      // no owner, no text offered, or more than kMaxBytes
        timed_out,    // the owner did not answer before the deadline
        interrupted,  // the wake descriptor became readable
        broken,       // no connection to the X server
    };
    struct Result {
        Outcome outcome = Outcome::broken;
        std::string bytes;
        bool latin1 = false;  // the owner gave STRING (ISO 8859-1), not UTF-8
    };

    // Texts longer than this are not read: no number is that long.
    static constexpr std::size_t kMaxBytes = std::size_t{16} << 20;

    // Connects to `display_name` (empty: $DISPLAY) and makes the window that receives the text.
    explicit SelectionFetch(const std::string& display_name);
    ~SelectionFetch();
    SelectionFetch(const SelectionFetch&) = delete;
    SelectionFetch& operator=(const SelectionFetch&) = delete;

    bool connected() const;

    // A transfer in chunks ends at the latest this long after the read began.
    static constexpr std::chrono::seconds kMaxTransfer{5};

    // One read of the clipboard's text. Waits at most `patience` for each answer of the owner
    // (the first one, and each chunk of a large text), and returns early with `interrupted`
    // when `wake_fd` becomes readable.
    Result fetch(Clock::duration patience, int wake_fd);

  private:
    struct Connection;
    std::unique_ptr<Connection> connection_;
};

}  // namespace orvane
