// The sink inside the audio output module, on the desktop's real output (or none): the stream
// opens only for a clip and closes once the clip has played out.
#include <QAudio>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QTest>
#include <span>

#include "voice/audio_clip_sink.h"
#include "voice/clip_resources.h"
#include "voice/wav_header.h"

namespace {

std::span<const std::byte> bytes_of(const QByteArray& array) {
    return {reinterpret_cast<const std::byte*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

}  // namespace

class AudioClipSinkTest : public QObject {
    Q_OBJECT
  private slots:
    void unplayable_clips_open_nothing_data();
    void unplayable_clips_open_nothing();
    void real_output_closes_after_the_clip();
};

void AudioClipSinkTest::unplayable_clips_open_nothing_data() {
    QTest::addColumn<int>("bits");
    QTest::addColumn<int>("channels");
    QTest::addColumn<int>("rate");
    QTest::addColumn<bool>("empty");
    QTest::newRow("24-bit samples") << 24 << 1 << 11025 << false;
    QTest::newRow("no channels") << 16 << 0 << 11025 << false;
    QTest::newRow("no sample rate") << 16 << 1 << 0 << false;
    QTest::newRow("no samples") << 16 << 1 << 11025 << true;
}

void AudioClipSinkTest::unplayable_clips_open_nothing() {
    QFETCH(int, bits);
    QFETCH(int, channels);
    QFETCH(int, rate);
    QFETCH(bool, empty);
    const QByteArray samples(4096, '\x10');
    orvane::voice::WavFormat format;
    format.format_tag = orvane::voice::kWaveFormatPcm;
    format.bits_per_sample = static_cast<std::uint16_t>(bits);
    format.channels = static_cast<std::uint16_t>(channels);
    format.sample_rate = static_cast<std::uint32_t>(rate);
    format.block_align = static_cast<std::uint16_t>(channels * bits / 8);
    format.byte_rate = format.sample_rate * format.block_align;
    orvane::voice::AudioClipSink sink;
    sink.start(empty ? std::span<const std::byte>{} : bytes_of(samples), format);
    QCOMPARE(sink.state(), QAudio::StoppedState);
    sink.stop();
    QCOMPARE(sink.state(), QAudio::StoppedState);
}

void AudioClipSinkTest::real_output_closes_after_the_clip() {
    const QByteArray image = orvane::voice::load_clip("wav_dian");
    const auto info = orvane::voice::parse_wav(bytes_of(image));
    QVERIFY(info.playable_pcm());
    const auto samples = bytes_of(image).subspan(info.data_offset, info.data_size);
    orvane::voice::AudioClipSink sink;
    QCOMPARE(sink.state(), QAudio::StoppedState);  // nothing open before a clip
    sink.start(samples, info.format);
    if (QMediaDevices::defaultAudioOutput().isNull()) {
        // Run with a sound server on purpose (voice_output_e2e.sh): its absence is a failure.
        QVERIFY2(qEnvironmentVariableIsEmpty("ORVANE_EXPECT_AUDIO"), "no sound output found");
        QCOMPARE(sink.state(), QAudio::StoppedState);
        return;
    }
    QTRY_COMPARE_WITH_TIMEOUT(sink.state(), QAudio::ActiveState, 1000);
    // Played out: the stream is closed without anyone calling stop().
    QTRY_COMPARE_WITH_TIMEOUT(sink.state(), QAudio::StoppedState,
                              static_cast<int>(info.seconds() * 1000) + 3000);
    sink.start(samples, info.format);
    sink.stop();
    QCOMPARE(sink.state(), QAudio::StoppedState);
}

QTEST_MAIN(AudioClipSinkTest)
#include "audio_clip_sink_test.moc"
