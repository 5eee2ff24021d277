// Plays clips on the desktop's default sound output through Qt Multimedia. Built into the
// audio output module only, never into the program itself.
#pragma once

#include <QAudio>
#include <QBuffer>
#include <QByteArray>
#include <memory>

#include "voice/clip_sink.h"

class QAudioSink;

namespace orvane::voice {

// The output device is looked up, and a stream opened, only when a clip starts; the stream is
// closed as soon as the clip has played out. Without a sound output, or when the output
// refuses the format, clips are skipped silently.
class AudioClipSink final : public ClipSink {
  public:
    AudioClipSink();
    ~AudioClipSink() override;
    AudioClipSink(const AudioClipSink&) = delete;
    AudioClipSink& operator=(const AudioClipSink&) = delete;

    void start(std::span<const std::byte> samples, const WavFormat& format) override;
    void stop() override;

    // Active while a clip is being heard; Stopped when none is, including once a clip has
    // played out and its stream was closed.
    QAudio::State state() const;

  private:
    void release();

    QByteArray samples_;  // wraps the caller's bytes without copying them
    std::unique_ptr<QBuffer> buffer_;
    std::unique_ptr<QAudioSink> sink_;
};

}  // namespace orvane::voice
