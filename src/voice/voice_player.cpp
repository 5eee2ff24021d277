#include "voice/voice_player.h"

#include <span>
#include <utility>

#include "voice/clip_resources.h"
#include "voice/output_module.h"
#include "voice/wav_header.h"

namespace orvane {
namespace {

std::span<const std::byte> bytes_of(const QByteArray& array) {
    return {reinterpret_cast<const std::byte*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

}  // namespace

VoicePlayer::VoicePlayer() : VoicePlayer(voice::default_output_factory()) {}

VoicePlayer::VoicePlayer(voice::SinkFactory factory) : factory_(std::move(factory)) {}

VoicePlayer::~VoicePlayer() {
    stop();
}

void VoicePlayer::play(std::string_view clip_name) {
    QByteArray bytes = voice::load_clip(clip_name);
    if (bytes.isEmpty()) {
        return;
    }
    const voice::WavInfo info = voice::parse_wav(bytes_of(bytes));
    if (!info.playable_pcm() || info.data_size == 0) {
        return;
    }
    if (!sink_) {
        sink_ = factory_ ? factory_() : nullptr;
        if (!sink_) {
            return;
        }
    }
    // The old clip stops before its bytes are let go.
    sink_->stop();
    sound_data_ = std::move(bytes);
    sink_->start(bytes_of(sound_data_).subspan(info.data_offset, info.data_size), info.format);
}

void VoicePlayer::stop() {
    if (sink_) {
        sink_->stop();
    }
}

}  // namespace orvane
