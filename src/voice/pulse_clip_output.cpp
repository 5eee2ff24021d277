#include "voice/pulse_clip_output.h"

#include <pulse/context.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <algorithm>
#include <cstdint>

namespace orvane::voice {
namespace {

// How much the server keeps queued ahead of what is heard: small, so that a clip starts
// promptly; the clip is still written whole at once.
constexpr std::chrono::milliseconds kTargetLatency{20};
// How often the loop looks at the clock while it waits for the server.
constexpr int kWatchIntervalUsec = 100'000;
// Past a clip's own length, before its stream is corked: the server's queue and a slow start.
constexpr std::chrono::milliseconds kCorkMargin{500};

std::optional<pa_sample_format_t> pulse_sample_format(const WavFormat& format) {
    switch (format.bits_per_sample) {
        case 8:
            return PA_SAMPLE_U8;
        case 16:
            return PA_SAMPLE_S16LE;
        case 32:
            return PA_SAMPLE_S32LE;
        default:
            return std::nullopt;
    }
}

void drain_wake_fd(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void*) {
    std::uint64_t count = 0;
    while (::read(fd, &count, sizeof count) > 0) {
    }
}

}  // namespace

PulseClipOutput::PulseClipOutput(PulseLimits limits)
    : limits_(limits),
      loop_(pa_mainloop_new()),
      wake_fd_(::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)) {
    if (loop_ != nullptr && wake_fd_ >= 0) {
        pa_mainloop_api* api = pa_mainloop_get_api(loop_);
        wake_event_ = api->io_new(api, wake_fd_, PA_IO_EVENT_INPUT, drain_wake_fd, nullptr);
    }
}

PulseClipOutput::~PulseClipOutput() {
    disconnect();
    if (wake_event_ != nullptr) {
        pa_mainloop_get_api(loop_)->io_free(wake_event_);
    }
    if (loop_ != nullptr) {
        pa_mainloop_free(loop_);
    }
    if (wake_fd_ >= 0) {
        ::close(wake_fd_);
    }
}

void PulseClipOutput::wake() {
    // An eventfd stays readable until the loop drains it: a wake-up sent while the loop is
    // busy elsewhere is not lost.
    const std::uint64_t one = 1;
    if (wake_fd_ >= 0) {
        [[maybe_unused]] const auto written = ::write(wake_fd_, &one, sizeof one);
    }
}

void PulseClipOutput::run(CommandBox& box) {
    if (wake_event_ == nullptr) {
        // No loop to play on: stay silent, but still answer quit.
        while (true) {
            const auto command =
                box.wait_take(std::chrono::milliseconds(kWatchIntervalUsec / 1000));
            if (command && command->kind == ClipCommand::Kind::quit) {
                return;
            }
        }
    }
    while (true) {
        while (const auto command = box.take()) {
            if (command->kind == ClipCommand::Kind::quit) {
                disconnect();
                return;
            }
            handle(*command);
        }
        const auto now = Clock::now();
        follow_states(now);
        if (server_stalls(now)) {
            disconnect();
        }
        cork_when_played(now);
        if (pa_mainloop_prepare(loop_, poll_timeout_usec(now)) < 0 || pa_mainloop_poll(loop_) < 0 ||
            pa_mainloop_dispatch(loop_) < 0) {
            disconnect();
            return;
        }
    }
}

void PulseClipOutput::handle(const ClipCommand& command) {
    if (command.kind == ClipCommand::Kind::stop) {
        pending_.reset();
        if (stream_ != nullptr && pa_stream_get_state(stream_) == PA_STREAM_READY) {
            track(pa_stream_flush(stream_, nullptr, nullptr));
            track(pa_stream_cork(stream_, 1, nullptr, nullptr));
        }
        cork_at_.reset();
        return;
    }
    if (!command.samples || command.samples->empty() || !pulse_sample_format(command.format) ||
        command.format.block_align == 0 || command.format.sample_rate == 0) {
        return;
    }
    pending_ = command;
    follow_states(Clock::now());
}

void PulseClipOutput::connect() {
    context_ = pa_context_new(pa_mainloop_get_api(loop_), "orvane-calculator");
    if (context_ == nullptr) {
        return;
    }
    connect_started_ = Clock::now();
    // Never start a sound server of our own: without one the calculator is silent.
    if (pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0) {
        disconnect();
        pending_.reset();
    }
}

void PulseClipOutput::open_stream(const WavFormat& format) {
    const pa_sample_spec spec{*pulse_sample_format(format), format.sample_rate,
                              static_cast<std::uint8_t>(format.channels)};
    if (pa_sample_spec_valid(&spec) == 0) {
        pending_.reset();
        return;
    }
    stream_ = pa_stream_new(context_, "key", &spec, nullptr);
    if (stream_ == nullptr) {
        pending_.reset();
        return;
    }
    stream_format_ = format;
    const auto usec = std::chrono::duration_cast<std::chrono::microseconds>(kTargetLatency);
    pa_buffer_attr attr;
    attr.maxlength = static_cast<std::uint32_t>(-1);
    attr.tlength = static_cast<std::uint32_t>(pa_usec_to_bytes(usec.count(), &spec));
    attr.prebuf = static_cast<std::uint32_t>(-1);
    attr.minreq = static_cast<std::uint32_t>(-1);
    attr.fragsize = static_cast<std::uint32_t>(-1);
    const auto flags =
        static_cast<pa_stream_flags_t>(PA_STREAM_START_CORKED | PA_STREAM_ADJUST_LATENCY);
    if (pa_stream_connect_playback(stream_, nullptr, &attr, flags, nullptr, nullptr) < 0) {
        close_stream();
        pending_.reset();
    }
}

void PulseClipOutput::follow_states(Clock::time_point now) {
    if (pending_ && now - pending_->posted > limits_.stale_clip) {
        pending_.reset();
    }
    if (context_ == nullptr && pending_) {
        connect();
    }
    if (context_ == nullptr) {
        return;
    }
    const pa_context_state_t context_state = pa_context_get_state(context_);
    if (!PA_CONTEXT_IS_GOOD(context_state)) {
        // Refused or gone: this clip is not heard; the next one connects afresh.
        disconnect();
        pending_.reset();
        return;
    }
    if (context_state != PA_CONTEXT_READY) {
        if (now - connect_started_ > limits_.connect) {
            disconnect();
        }
        return;
    }
    if (stream_ != nullptr && !PA_STREAM_IS_GOOD(pa_stream_get_state(stream_))) {
        close_stream();
    }
    if (!pending_) {
        return;
    }
    if (stream_ != nullptr && stream_format_ != pending_->format) {
        close_stream();
    }
    if (stream_ == nullptr) {
        open_stream(pending_->format);
    }
    if (stream_ != nullptr && pa_stream_get_state(stream_) == PA_STREAM_READY) {
        start_pending();
    }
}

void PulseClipOutput::start_pending() {
    const ClipCommand clip = std::move(*pending_);
    pending_.reset();
    // Flush drops what is still queued of the clip being cut off; the new one follows it at
    // the read position, then the stream runs.
    track(pa_stream_flush(stream_, nullptr, nullptr));
    if (pa_stream_write(stream_, clip.samples->data(), clip.samples->size(), nullptr, 0,
                        PA_SEEK_RELATIVE) < 0) {
        return;
    }
    track(pa_stream_cork(stream_, 0, nullptr, nullptr));
    track(pa_stream_trigger(stream_, nullptr, nullptr));
    // Corked again once the clip has surely played out, so that an idle stream does not keep
    // the device awake. Timed here rather than on the server's underflow notice, which may
    // belong to the clip just cut off and arrive after the new one was written.
    const auto frames = clip.samples->size() / clip.format.block_align;
    cork_at_ = Clock::now() +
               std::chrono::microseconds(frames * 1'000'000 / clip.format.sample_rate) +
               kCorkMargin;
}

void PulseClipOutput::cork_when_played(Clock::time_point now) {
    if (!cork_at_ || now < *cork_at_) {
        return;
    }
    cork_at_.reset();
    if (stream_ != nullptr && pa_stream_get_state(stream_) == PA_STREAM_READY) {
        track(pa_stream_cork(stream_, 1, nullptr, nullptr));
    }
}

int PulseClipOutput::poll_timeout_usec(Clock::time_point now) const {
    int timeout = waiting_for_server() ? kWatchIntervalUsec : -1;
    if (cork_at_) {
        const auto until = std::chrono::duration_cast<std::chrono::microseconds>(*cork_at_ - now);
        const int cork_in =
            static_cast<int>(std::clamp<std::int64_t>(until.count(), 0, kWatchIntervalUsec));
        timeout = timeout < 0 ? cork_in : std::min(timeout, cork_in);
    }
    return timeout;
}

void PulseClipOutput::track(pa_operation* operation) {
    if (operation != nullptr) {
        unanswered_.emplace_back(operation, Clock::now());
    }
}

bool PulseClipOutput::server_stalls(Clock::time_point now) {
    while (!unanswered_.empty() &&
           pa_operation_get_state(unanswered_.front().first) != PA_OPERATION_RUNNING) {
        pa_operation_unref(unanswered_.front().first);
        unanswered_.pop_front();
    }
    return !unanswered_.empty() && now - unanswered_.front().second > limits_.answer;
}

bool PulseClipOutput::waiting_for_server() const {
    return pending_.has_value() || !unanswered_.empty() ||
           (context_ != nullptr && pa_context_get_state(context_) != PA_CONTEXT_READY);
}

void PulseClipOutput::close_stream() {
    if (stream_ == nullptr) {
        return;
    }
    pa_stream_disconnect(stream_);
    pa_stream_unref(stream_);
    stream_ = nullptr;
    cork_at_.reset();
}

void PulseClipOutput::disconnect() {
    for (const auto& [operation, sent] : unanswered_) {
        pa_operation_cancel(operation);
        pa_operation_unref(operation);
    }
    unanswered_.clear();
    close_stream();
    if (context_ != nullptr) {
        pa_context_disconnect(context_);
        pa_context_unref(context_);
        context_ = nullptr;
    }
}

}  // namespace orvane::voice
