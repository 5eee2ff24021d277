// The sink that keeps the sound output off the window's thread: whatever the output does
// (stall, throw, never return), start(), stop() and the destructor return at once, and the
// output hears only the newest command.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <ostream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "voice/threaded_clip_sink.h"

using namespace std::chrono_literals;
using orvane::voice::ClipCommand;
using orvane::voice::ClipOutput;
using orvane::voice::CommandBox;
using orvane::voice::ThreadedClipSink;
using orvane::voice::WavFormat;
using Clock = std::chrono::steady_clock;

namespace {

// What the fake output did, readable after the sink is gone.
struct OutputLog {
    std::mutex mutex;
    std::vector<std::string> heard;  // "play:<first byte>" or "stop"
    std::atomic<bool> quit_seen{false};
    std::atomic<bool> stalling{false};

    std::vector<std::string> snapshot() {
        std::lock_guard lock(mutex);
        return heard;
    }
};

// Stands in for a sound server: `stall` holds up the handling of the first command it takes,
// as a server that stopped answering holds up a real output's thread.
class FakeOutput final : public ClipOutput {
  public:
    FakeOutput(std::shared_ptr<OutputLog> log, Clock::duration stall, bool throws = false)
        : log_(std::move(log)), stall_(stall), throws_(throws) {}

    void run(CommandBox& box) override {
        if (throws_) {
            throw std::runtime_error("no sound system");
        }
        while (true) {
            const auto command = box.wait_take(20ms);
            if (!command) {
                continue;
            }
            if (command->kind == ClipCommand::Kind::quit) {
                log_->quit_seen = true;
                return;
            }
            if (stall_ > Clock::duration::zero()) {
                log_->stalling = true;
                std::this_thread::sleep_for(std::exchange(stall_, Clock::duration::zero()));
                log_->stalling = false;
            }
            std::lock_guard lock(log_->mutex);
            log_->heard.push_back(command->kind == ClipCommand::Kind::stop
                                      ? "stop"
                                      : "play:" + std::to_string(int(command->samples->at(0))));
        }
    }
    void wake() override {}

  private:
    std::shared_ptr<OutputLog> log_;
    Clock::duration stall_;
    bool throws_;
};

const WavFormat kFormat{1, 1, 11025, 22050, 2, 16};

std::vector<std::byte> clip(int marker) {
    return std::vector<std::byte>(64, std::byte(marker));
}

bool wait_for(const std::function<bool()>& done, Clock::duration limit) {
    const auto deadline = Clock::now() + limit;
    while (!done()) {
        if (Clock::now() > deadline) {
            return false;
        }
        std::this_thread::sleep_for(5ms);
    }
    return true;
}

struct StallCase {
    const char* name;
    std::vector<int> steps;  // a clip marker to start, 0 for stop
    std::vector<std::string> heard_after_stall;
};

void PrintTo(const StallCase& row, std::ostream* out) {
    *out << row.name;
}

class WhileTheOutputStalls : public ::testing::TestWithParam<StallCase> {};

}  // namespace

// The first command holds the output up for a second; what is posted meanwhile returns at
// once, and only the newest command is heard once the output is free.
TEST_P(WhileTheOutputStalls, CallsReturnAndOnlyTheNewestCommandIsHeard) {
    auto log = std::make_shared<OutputLog>();
    ThreadedClipSink sink(std::make_unique<FakeOutput>(log, 1s), 200ms);
    const auto first = clip(99);
    sink.start(first, kFormat);
    ASSERT_TRUE(wait_for([&] { return log->stalling.load(); }, 2s));
    Clock::duration slowest{};
    for (const int step : GetParam().steps) {
        const auto begin = Clock::now();
        if (step == 0) {
            sink.stop();
        } else {
            auto bytes = clip(step);
            sink.start(bytes, kFormat);
            bytes.assign(bytes.size(), std::byte(0xEE));  // the caller's bytes are its own again
        }
        slowest = std::max(slowest, Clock::now() - begin);
    }
    EXPECT_LT(slowest, 50ms);
    ASSERT_TRUE(wait_for([&] { return !log->stalling.load(); }, 3s));
    std::vector<std::string> expected{"play:99"};
    expected.insert(expected.end(), GetParam().heard_after_stall.begin(),
                    GetParam().heard_after_stall.end());
    ASSERT_TRUE(wait_for([&] { return log->snapshot().size() >= expected.size(); }, 2s));
    std::this_thread::sleep_for(50ms);  // nothing more may follow
    EXPECT_EQ(log->snapshot(), expected);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WhileTheOutputStalls,
    ::testing::Values(StallCase{"newest_clip_wins", {1, 2, 3}, {"play:3"}},
                      StallCase{"stop_cuts_clips_never_started", {1, 2, 0}, {"stop"}},
                      StallCase{"clip_after_stop", {1, 0, 4}, {"play:4"}},
                      StallCase{"keys_for_a_second", std::vector<int>(200, 7), {"play:7"}},
                      StallCase{"nothing_posted", {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ThreadedClipSink, DestructionWaitsForAnOutputThatEnds) {
    auto log = std::make_shared<OutputLog>();
    {
        ThreadedClipSink sink(std::make_unique<FakeOutput>(log, 0s), 2s);
        sink.start(clip(5), kFormat);
        ASSERT_TRUE(wait_for([&] { return !log->snapshot().empty(); }, 2s));
    }
    EXPECT_TRUE(log->quit_seen);
    EXPECT_EQ(log->snapshot(), std::vector<std::string>{"play:5"});
}

TEST(ThreadedClipSink, DestructionLeavesAStuckOutputBehindWithinItsLimit) {
    auto log = std::make_shared<OutputLog>();
    const auto begin = Clock::now();
    {
        ThreadedClipSink sink(std::make_unique<FakeOutput>(log, 1500ms), 100ms);
        sink.start(clip(6), kFormat);
        ASSERT_TRUE(wait_for([&] { return log->stalling.load(); }, 2s));
    }
    EXPECT_LT(Clock::now() - begin, 1s);
    EXPECT_FALSE(log->quit_seen);
    // The thread left behind still finishes on its own, with its output intact.
    EXPECT_TRUE(wait_for([&] { return log->quit_seen.load(); }, 3s));
}

TEST(ThreadedClipSink, AnOutputThatFailsLeavesTheSinkSilentAndUsable) {
    auto log = std::make_shared<OutputLog>();
    ThreadedClipSink sink(std::make_unique<FakeOutput>(log, 0s, true), 500ms);
    sink.start(clip(1), kFormat);
    sink.stop();
    sink.start(clip(2), kFormat);
    std::this_thread::sleep_for(50ms);
    EXPECT_TRUE(log->snapshot().empty());
}

TEST(CommandBox, QuitStaysWhateverFollows) {
    CommandBox box;
    box.post({ClipCommand::Kind::quit, nullptr, {}, {}});
    box.post({ClipCommand::Kind::stop, nullptr, {}, {}});
    for (int i = 0; i < 2; ++i) {
        const auto command = box.take();
        ASSERT_TRUE(command);
        EXPECT_EQ(command->kind, ClipCommand::Kind::quit);
    }
}

TEST(CommandBox, WaitTakeReturnsEmptyAfterItsLimit) {
    CommandBox box;
    const auto begin = Clock::now();
    EXPECT_FALSE(box.wait_take(30ms));
    EXPECT_GE(Clock::now() - begin, 30ms);
    box.post({ClipCommand::Kind::stop, nullptr, {}, {}});
    EXPECT_TRUE(box.wait_take(0ms));
    EXPECT_FALSE(box.take());
}
