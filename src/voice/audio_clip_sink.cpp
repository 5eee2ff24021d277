#include "voice/audio_clip_sink.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <limits>

namespace orvane::voice {
namespace {

QAudioFormat qt_format(const WavFormat& format) {
    QAudioFormat qt;
    qt.setSampleRate(static_cast<int>(format.sample_rate));
    qt.setChannelCount(format.channels);
    switch (format.bits_per_sample) {
        case 8:
            qt.setSampleFormat(QAudioFormat::UInt8);
            break;
        case 16:
            qt.setSampleFormat(QAudioFormat::Int16);
            break;
        case 32:
            qt.setSampleFormat(QAudioFormat::Int32);
            break;
        default:
            qt.setSampleFormat(QAudioFormat::Unknown);
            break;
    }
    return qt;
}

}  // namespace

AudioClipSink::AudioClipSink() = default;

AudioClipSink::~AudioClipSink() {
    release();
}

void AudioClipSink::start(std::span<const std::byte> samples, const WavFormat& format) {
    release();
    const QAudioFormat wanted = qt_format(format);
    if (!wanted.isValid() || samples.empty() ||
        samples.size() > static_cast<std::size_t>(std::numeric_limits<qsizetype>::max())) {
        return;
    }
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull() || !device.isFormatSupported(wanted)) {
        return;
    }
    samples_ = QByteArray::fromRawData(reinterpret_cast<const char*>(samples.data()),
                                       static_cast<qsizetype>(samples.size()));
    buffer_ = std::make_unique<QBuffer>(&samples_);
    buffer_->open(QIODevice::ReadOnly);
    sink_ = std::make_unique<QAudioSink>(device, wanted);
    QAudioSink* sink = sink_.get();
    // Played out: close the stream now, so that no device stays open between clips. The
    // objects themselves go at the next start or stop, not inside their own signal.
    QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
        if (state == QAudio::IdleState) {
            sink->stop();
        }
    });
    sink->start(buffer_.get());
    if (sink->error() != QAudio::NoError) {
        release();
    }
}

void AudioClipSink::stop() {
    release();
}

QAudio::State AudioClipSink::state() const {
    return sink_ ? sink_->state() : QAudio::StoppedState;
}

void AudioClipSink::release() {
    if (sink_) {
        sink_->disconnect();
        sink_->stop();
        sink_.reset();
    }
    buffer_.reset();
    samples_.clear();
}

}  // namespace orvane::voice
