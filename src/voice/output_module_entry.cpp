// The entry points of the audio output module.
#include <chrono>
#include <memory>
#include <type_traits>

#include "voice/output_module_abi.h"
#include "voice/pulse_clip_output.h"
#include "voice/threaded_clip_sink.h"

#define ORVANE_EXPORT __attribute__((visibility("default")))

namespace {

// How long closing the sink waits for its output thread; the output never blocks longer than
// one pass of its loop, so this is only reached when the system itself is stuck.
constexpr std::chrono::milliseconds kJoinLimit{500};

}  // namespace

extern "C" ORVANE_EXPORT int orvane_voice_output_abi() {
    return orvane::voice::kOutputModuleAbi;
}

extern "C" ORVANE_EXPORT orvane::voice::ClipSink* orvane_voice_output_create() {
    // No exception may cross into the program.
    try {
        return new orvane::voice::ThreadedClipSink(
            std::make_unique<orvane::voice::PulseClipOutput>(), kJoinLimit);
    } catch (...) {
        return nullptr;
    }
}

static_assert(std::is_same_v<decltype(&orvane_voice_output_abi), orvane::voice::AbiFunction>);
static_assert(std::is_same_v<decltype(&orvane_voice_output_create), orvane::voice::CreateFunction>);
