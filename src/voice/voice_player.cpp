#include "voice/voice_player.h"

#include <optional>
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
    start(std::move(bytes), info.data_offset, info.data_size, info.format);
}

void VoicePlayer::play_sequence(std::span<const std::string_view> clip_names) {
    QByteArray joined;
    std::optional<voice::WavFormat> format;
    for (const std::string_view name : clip_names) {
        const QByteArray image = voice::load_clip(name);
        if (image.isEmpty()) {
            continue;
        }
        const voice::WavInfo info = voice::parse_wav(bytes_of(image));
        if (!info.playable_pcm() || info.data_size == 0 || (format && info.format != *format)) {
            continue;
        }
        format = info.format;
        joined.append(image.constData() + info.data_offset, static_cast<qsizetype>(info.data_size));
    }
    if (!format) {
        return;
    }
    const auto size = static_cast<std::size_t>(joined.size());
    start(std::move(joined), 0, size, *format);
}

void VoicePlayer::start(QByteArray bytes, std::size_t offset, std::size_t size,
                        const voice::WavFormat& format) {
    if (!sink_) {
        sink_ = factory_ ? factory_() : nullptr;
        if (!sink_) {
            return;
        }
    }
    // The old clip stops before its bytes are let go.
    sink_->stop();
    sound_data_ = std::move(bytes);
    sink_->start(bytes_of(sound_data_).subspan(offset, size), format);
}

void VoicePlayer::stop() {
    if (sink_) {
        sink_->stop();
    }
}

}  // namespace orvane
