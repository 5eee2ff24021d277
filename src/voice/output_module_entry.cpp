// The entry points of the audio output module.
#include <QtGlobal>
#include <type_traits>

#include "voice/audio_clip_sink.h"
#include "voice/output_module_abi.h"

extern "C" Q_DECL_EXPORT int orvane_voice_output_abi() {
    return orvane::voice::kOutputModuleAbi;
}

extern "C" Q_DECL_EXPORT orvane::voice::ClipSink* orvane_voice_output_create() {
    // No exception may cross into the program.
    try {
        return new orvane::voice::AudioClipSink();
    } catch (...) {
        return nullptr;
    }
}

static_assert(std::is_same_v<decltype(&orvane_voice_output_abi), orvane::voice::AbiFunction>);
static_assert(std::is_same_v<decltype(&orvane_voice_output_create), orvane::voice::CreateFunction>);
