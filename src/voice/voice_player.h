// Speaks the keypad's keys: plays one embedded clip, or one run of clips, at a time, a new one
// cutting off the one still playing. Whether voice is on is the caller's business; every call
// here plays.
#pragma once

#include <QByteArray>
#include <memory>
#include <span>
#include <string_view>

#include "voice/clip_sink.h"

namespace orvane {

class VoicePlayer {
  public:
    // Plays on the desktop's default sound output, opened on the first clip that plays.
    VoicePlayer();
    // Plays into the sinks `factory` makes; it is called when the first clip is about to play.
    explicit VoicePlayer(voice::SinkFactory factory);
    ~VoicePlayer();
    VoicePlayer(const VoicePlayer&) = delete;
    VoicePlayer& operator=(const VoicePlayer&) = delete;

    // Loads the named clip ("wav_5", any case), stops the clip still playing and starts the new
    // one, returning at once. An unknown name or an unplayable clip changes nothing; without a
    // sound output nothing is heard.
    void play(std::string_view clip_name);

    // Plays the named clips back to back as one stream without gaps, started at once and cut
    // off like a single clip by the next play, play_sequence or stop. Unknown names, and clips
    // whose sample format differs from the first playable one, are skipped; when none is left
    // this changes nothing, as an unknown name does for play().
    void play_sequence(std::span<const std::string_view> clip_names);

    // Silences the playing clip.
    void stop();

    // The bytes of the last clip started (the whole WAVE image), or of the last sequence (its
    // samples, joined); they stay unchanged while they can play.
    const QByteArray& sound_data() const { return sound_data_; }

  private:
    // Stops what plays, takes `bytes` as the held data and plays `samples` of it.
    void start(QByteArray bytes, std::size_t offset, std::size_t size,
               const voice::WavFormat& format);

    voice::SinkFactory factory_;
    QByteArray sound_data_;
    // Declared after the bytes, so it is destroyed (and stops reading them) first.
    std::unique_ptr<voice::ClipSink> sink_;
};

}  // namespace orvane
