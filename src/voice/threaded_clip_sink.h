// A clip sink whose sound output runs on a thread of its own, so that a sound server that
// stalls or never answers can hold up that thread only: start() and stop() hand the output a
// command and return at once. Built into the audio output module; tests drive it with a fake
// output.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

#include "voice/clip_sink.h"
#include "voice/wav_header.h"

namespace orvane::voice {

struct ClipCommand {
    enum class Kind { play, stop, quit };
    Kind kind = Kind::stop;
    // For play: a copy of the samples, so that the caller's bytes are free once start() returns.
    std::shared_ptr<const std::vector<std::byte>> samples;
    WavFormat format;
    std::chrono::steady_clock::time_point posted;
};

// One slot between the window's thread and the output thread. A newer command replaces one
// that was not taken yet (a clip cut off before it started is never heard); quit stays.
class CommandBox {
  public:
    void post(ClipCommand command);
    std::optional<ClipCommand> take();
    // take(), waiting up to `limit` for a command to arrive.
    std::optional<ClipCommand> wait_take(std::chrono::milliseconds limit);

  private:
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::optional<ClipCommand> slot_;
    bool quit_ = false;
};

// What plays the clips, on the output thread.
class ClipOutput {
  public:
    virtual ~ClipOutput() = default;
    // Runs on the output thread until it takes a quit command; takes commands whenever wake()
    // was called and also at least every few hundred milliseconds.
    virtual void run(CommandBox& box) = 0;
    // Called from the window's thread; never blocks. Makes run() look at the box soon.
    virtual void wake() = 0;
};

class ThreadedClipSink final : public ClipSink {
  public:
    // Starts the output thread. On destruction the sink waits up to `join_limit` for the
    // thread to end; a thread held up longer is left to finish on its own.
    ThreadedClipSink(std::unique_ptr<ClipOutput> output, std::chrono::milliseconds join_limit);
    ~ThreadedClipSink() override;
    ThreadedClipSink(const ThreadedClipSink&) = delete;
    ThreadedClipSink& operator=(const ThreadedClipSink&) = delete;

    // Copies the samples and returns; the output starts them as soon as it can.
    void start(std::span<const std::byte> samples, const WavFormat& format) override;
    void stop() override;

  private:
    struct Shared;
    void post(ClipCommand command);

    std::shared_ptr<Shared> shared_;
    std::chrono::milliseconds join_limit_;
};

}  // namespace orvane::voice
