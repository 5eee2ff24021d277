#include "voice/threaded_clip_sink.h"

#include <future>
#include <thread>
#include <utility>

namespace orvane::voice {

void CommandBox::post(ClipCommand command) {
    {
        std::lock_guard lock(mutex_);
        if (command.kind == ClipCommand::Kind::quit) {
            quit_ = true;
        }
        slot_ = std::move(command);
    }
    arrived_.notify_one();
}

std::optional<ClipCommand> CommandBox::take() {
    std::lock_guard lock(mutex_);
    if (quit_) {
        return ClipCommand{ClipCommand::Kind::quit, nullptr, {}, {}};
    }
    return std::exchange(slot_, std::nullopt);
}

std::optional<ClipCommand> CommandBox::wait_take(std::chrono::milliseconds limit) {
    {
        std::unique_lock lock(mutex_);
        arrived_.wait_for(lock, limit, [this] { return quit_ || slot_.has_value(); });
    }
    return take();
}

// Owned jointly by the sink and its thread, so that a thread left behind at destruction still
// has its output and box.
struct ThreadedClipSink::Shared {
    std::unique_ptr<ClipOutput> output;
    CommandBox box;
    std::thread thread;
    std::future<void> finished;
};

ThreadedClipSink::ThreadedClipSink(std::unique_ptr<ClipOutput> output,
                                   std::chrono::milliseconds join_limit)
    : shared_(std::make_shared<Shared>()), join_limit_(join_limit) {
    shared_->output = std::move(output);
    std::promise<void> done;
    shared_->finished = done.get_future();
    shared_->thread = std::thread([shared = shared_, done = std::move(done)]() mutable {
        try {
            shared->output->run(shared->box);
        } catch (...) {
            // A failing output means silence, never a program that ends.
        }
        done.set_value();
    });
}

ThreadedClipSink::~ThreadedClipSink() {
    post(ClipCommand{ClipCommand::Kind::quit, nullptr, {}, {}});
    if (shared_->finished.wait_for(join_limit_) == std::future_status::ready) {
        shared_->thread.join();
    } else {
        shared_->thread.detach();
    }
}

void ThreadedClipSink::start(std::span<const std::byte> samples, const WavFormat& format) {
    auto copy = std::make_shared<const std::vector<std::byte>>(samples.begin(), samples.end());
    post(ClipCommand{ClipCommand::Kind::play, std::move(copy), format, {}});
}

void ThreadedClipSink::stop() {
    post(ClipCommand{ClipCommand::Kind::stop, nullptr, {}, {}});
}

void ThreadedClipSink::post(ClipCommand command) {
    command.posted = std::chrono::steady_clock::now();
    shared_->box.post(std::move(command));
    shared_->output->wake();
}

}  // namespace orvane::voice
