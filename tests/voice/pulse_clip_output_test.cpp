// The PulseAudio output behind the threaded sink, with sound servers that cannot play: none at
// all, and one that accepts the connection and never answers. Clips are silent, every call
// returns at once and closing the sink never waits for the server; a clip the output cannot
// play does not even connect.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <ostream>
#include <string>
#include <thread>
#include <vector>

#include "voice/pulse_clip_output.h"
#include "voice/threaded_clip_sink.h"

using namespace std::chrono_literals;
using orvane::voice::PulseClipOutput;
using orvane::voice::PulseLimits;
using orvane::voice::ThreadedClipSink;
using orvane::voice::WavFormat;
using Clock = std::chrono::steady_clock;

namespace {

// A unix socket that takes connections into its backlog and never says a word.
class SilentServer {
  public:
    SilentServer() : path_("/tmp/orvane-silent-" + std::to_string(::getpid()) + ".sock") {
        ::unlink(path_.c_str());
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        path_.copy(address.sun_path, sizeof address.sun_path - 1);
        if (fd_ < 0 || ::fcntl(fd_, F_SETFL, O_NONBLOCK) != 0 ||
            ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
            ::listen(fd_, 16) != 0) {
            ADD_FAILURE() << "cannot listen on " << path_;
        }
    }
    ~SilentServer() {
        for (const int client : held_) {
            ::close(client);
        }
        ::close(fd_);
        ::unlink(path_.c_str());
    }
    std::string address() const { return "unix:" + path_; }
    // Connections made so far (taken from the backlog and held open).
    int connections() {
        while (true) {
            const int client = ::accept4(fd_, nullptr, nullptr, SOCK_NONBLOCK);
            if (client < 0) {
                return static_cast<int>(held_.size());
            }
            held_.push_back(client);
        }
    }

  private:
    std::string path_;
    int fd_ = -1;
    std::vector<int> held_;
};

struct ServerCase {
    const char* name;
    bool silent_server;  // else a socket path where nothing listens
};

void PrintTo(const ServerCase& row, std::ostream* out) {
    *out << row.name;
}

class WithoutAnAnsweringServer : public ::testing::TestWithParam<ServerCase> {};

}  // namespace

TEST_P(WithoutAnAnsweringServer, KeysNeverWaitForTheServer) {
    SilentServer server;
    const std::string address =
        GetParam().silent_server ? server.address() : "unix:/nonexistent/orvane/native";
    ::setenv("PULSE_SERVER", address.c_str(), 1);
    const WavFormat format{1, 1, 11025, 22050, 2, 16};
    const std::vector<std::byte> clip(11025, std::byte{0x20});
    PulseLimits limits;
    limits.connect = 300ms;
    limits.answer = 300ms;

    const auto begin = Clock::now();
    Clock::duration slowest{};
    {
        ThreadedClipSink sink(std::make_unique<PulseClipOutput>(limits), 1s);
        // Keys for well over the limits: connections are tried, given up and tried again.
        for (int key = 0; key < 40; ++key) {
            const auto call = Clock::now();
            sink.stop();
            sink.start(clip, format);
            slowest = std::max(slowest, Clock::now() - call);
            std::this_thread::sleep_for(25ms);
        }
    }
    const auto total = Clock::now() - begin;
    ::unsetenv("PULSE_SERVER");
    EXPECT_LT(slowest, 50ms);
    // 40 keys 25 ms apart, and a close that did not wait for the server.
    EXPECT_LT(total, 40 * 25ms + 700ms);
}

INSTANTIATE_TEST_SUITE_P(Servers, WithoutAnAnsweringServer,
                         ::testing::Values(ServerCase{"never_answers", true},
                                           ServerCase{"none_listening", false}),
                         [](const auto& info) { return std::string(info.param.name); });

namespace {

struct FormatCase {
    const char* name;
    std::uint16_t bits;
    std::uint16_t channels;
    std::uint32_t rate;
    bool empty;
    int connections;
};

void PrintTo(const FormatCase& row, std::ostream* out) {
    *out << row.name;
}

class ClipFormats : public ::testing::TestWithParam<FormatCase> {};

}  // namespace

TEST_P(ClipFormats, OnlyAPlayableClipConnects) {
    SilentServer server;
    ::setenv("PULSE_SERVER", server.address().c_str(), 1);
    const FormatCase& row = GetParam();
    WavFormat format{1, row.channels, row.rate, 0, 0, row.bits};
    format.block_align = static_cast<std::uint16_t>(row.channels * row.bits / 8);
    format.byte_rate = row.rate * format.block_align;
    const std::vector<std::byte> clip(row.empty ? 0 : 4096, std::byte{0x10});
    {
        ThreadedClipSink sink(std::make_unique<PulseClipOutput>(), 1s);
        EXPECT_EQ(server.connections(), 0);  // nothing before a clip
        sink.start(clip, format);
        const auto deadline = Clock::now() + 1s;
        while (server.connections() < row.connections && Clock::now() < deadline) {
            std::this_thread::sleep_for(10ms);
        }
        std::this_thread::sleep_for(100ms);
        EXPECT_EQ(server.connections(), row.connections);
    }
    ::unsetenv("PULSE_SERVER");
}

INSTANTIATE_TEST_SUITE_P(Formats, ClipFormats,
                         ::testing::Values(FormatCase{"pcm_16_bit", 16, 1, 11025, false, 1},
                                           FormatCase{"pcm_8_bit_stereo", 8, 2, 22050, false, 1},
                                           FormatCase{"bits_24", 24, 1, 11025, false, 0},
                                           FormatCase{"no_channels", 16, 0, 11025, false, 0},
                                           FormatCase{"no_sample_rate", 16, 1, 0, false, 0},
                                           FormatCase{"no_samples", 16, 1, 11025, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });
