// Plays clips on the desktop's default sound output through PulseAudio's own client library
// (PipeWire desktops serve it too), on the output thread of a ThreadedClipSink.
//
// The connection and a corked stream are made for the first clip and kept: later clips only
// flush, write and uncork, which is what keeps a key's sound close to the server's floor. When
// a clip has played out the stream is corked again, so the device is free to sleep between
// clips. A server that does not answer within a bound is dropped, and the next clip tries
// again: clips are silent while it stalls and play again once it answers.
#pragma once

#include <chrono>
#include <deque>
#include <optional>

#include "voice/threaded_clip_sink.h"

struct pa_context;
struct pa_mainloop;
struct pa_operation;
struct pa_stream;
struct pa_io_event;

namespace orvane::voice {

struct PulseLimits {
    // A connection that is not ready by then is given up.
    std::chrono::milliseconds connect{2000};
    // A request the server has not answered by then means it stalls: the connection is dropped.
    std::chrono::milliseconds answer{2000};
    // A clip still waiting for the stream after this long is not played late.
    std::chrono::milliseconds stale_clip{1000};
};

class PulseClipOutput final : public ClipOutput {
  public:
    // Makes the output thread's loop only; the server is not contacted before the first clip.
    explicit PulseClipOutput(PulseLimits limits = {});
    ~PulseClipOutput() override;
    PulseClipOutput(const PulseClipOutput&) = delete;
    PulseClipOutput& operator=(const PulseClipOutput&) = delete;

    void run(CommandBox& box) override;
    void wake() override;

  private:
    using Clock = std::chrono::steady_clock;

    void handle(const ClipCommand& command);
    void connect();
    void open_stream(const WavFormat& format);
    void follow_states(Clock::time_point now);
    void start_pending();
    void track(pa_operation* operation);
    bool server_stalls(Clock::time_point now);
    bool waiting_for_server() const;
    void cork_when_played(Clock::time_point now);
    int poll_timeout_usec(Clock::time_point now) const;
    void close_stream();
    void disconnect();

    PulseLimits limits_;
    pa_mainloop* loop_ = nullptr;
    int wake_fd_ = -1;
    pa_io_event* wake_event_ = nullptr;
    pa_context* context_ = nullptr;
    Clock::time_point connect_started_;
    pa_stream* stream_ = nullptr;
    WavFormat stream_format_;
    std::optional<ClipCommand> pending_;
    std::optional<Clock::time_point> cork_at_;
    // Requests sent and not yet answered, oldest first.
    std::deque<std::pair<pa_operation*, Clock::time_point>> unanswered_;
};

}  // namespace orvane::voice
