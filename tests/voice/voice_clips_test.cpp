// The clips compiled into the program: each one is there under its name, in any case, and is
// a short, trimmed, real recording in the one format the keypad plays.
#include <QTest>
#include <algorithm>
#include <cstdlib>
#include <set>
#include <span>
#include <string>

#include "voice/clip_catalogue.h"
#include "voice/clip_resources.h"
#include "voice/wav_header.h"

using orvane::voice::load_clip;
using orvane::voice::parse_wav;

namespace {

// The names as the program's resource table lists them: the spoken keys, then the units of a
// number read aloud.
const char* const kResourceNames[] = {
    "WAV_0",   "WAV_1",       "WAV_2",      "WAV_3",     "WAV_4",     "WAV_5",
    "WAV_6",   "WAV_7",       "WAV_8",      "WAV_9",     "WAV_00",    "WAV_CHEN",
    "WAV_CHU", "WAV_DENGYU",  "WAV_DIAN",   "WAV_FU",    "WAV_JIA",   "WAV_JIAN",
    "WAV_KF",  "WAV_QINGCHU", "WAV_QUANBU", "WAV_TUIGE", "WAV_YUYIN", "WAV_BUDUI",
    "WAV_SHI", "WAV_BAI",     "WAV_QIAN",   "WAV_WAN",   "WAV_YI",
};

std::span<const std::byte> bytes_of(const QByteArray& array) {
    return {reinterpret_cast<const std::byte*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

std::string lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

int sample_at(const QByteArray& image, std::size_t offset) {
    const auto lo = static_cast<unsigned char>(image[static_cast<qsizetype>(offset)]);
    const auto hi = static_cast<unsigned char>(image[static_cast<qsizetype>(offset + 1)]);
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | hi << 8));
}

}  // namespace

class VoiceClipsTest : public QObject {
    Q_OBJECT
  private slots:
    void each_clip_is_short_mono_pcm_data();
    void each_clip_is_short_mono_pcm();
    void clips_are_distinct_recordings();
    void catalogue_lists_the_resources_in_order();
    void unknown_names_give_nothing_data();
    void unknown_names_give_nothing();
};

void VoiceClipsTest::each_clip_is_short_mono_pcm_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : kResourceNames) {
        QTest::newRow(name) << QString::fromLatin1(name);
    }
}

void VoiceClipsTest::each_clip_is_short_mono_pcm() {
    QFETCH(QString, name);
    const std::string upper = name.toStdString();
    const QByteArray image = load_clip(upper);
    QVERIFY2(!image.isEmpty(), "clip missing");
    // The lookup ignores case: the lower-case name gives the very same bytes.
    QCOMPARE(load_clip(lower(upper)), image);

    const auto info = parse_wav(bytes_of(image));
    QVERIFY(info.ok());
    QCOMPARE(info.format.format_tag, orvane::voice::kWaveFormatPcm);
    QCOMPARE(info.format.channels, 1);
    QCOMPARE(info.format.sample_rate, 11025u);
    QCOMPARE(info.format.bits_per_sample, 16);
    QCOMPARE(info.format.block_align, 2);
    QCOMPARE(info.format.byte_rate, 22050u);
    QVERIFY(info.playable_pcm());
    QVERIFY2(!info.data_cut, "data chunk claims more than the clip holds");
    QVERIFY2(info.seconds() >= 0.1 && info.seconds() <= 1.5,
             qPrintable(QString::number(info.seconds())));

    // Speech, not silence, and trimmed: a sample above 1% of full scale within the first and
    // within the last 50 ms.
    const std::size_t window = 11025 / 20;
    const std::size_t frames = info.frames();
    QVERIFY(frames > 2 * window);
    auto loud_between = [&](std::size_t from, std::size_t to) {
        for (std::size_t i = from; i < to; ++i) {
            if (std::abs(sample_at(image, info.data_offset + 2 * i)) >= 328) {
                return true;
            }
        }
        return false;
    };
    QVERIFY2(loud_between(0, window), "leading silence");
    QVERIFY2(loud_between(frames - window, frames), "trailing silence");
    int peak = 0;
    for (std::size_t i = 0; i < frames; ++i) {
        peak = std::max(peak, std::abs(sample_at(image, info.data_offset + 2 * i)));
    }
    QVERIFY2(peak >= 3277, "quieter than 10% of full scale");
}

void VoiceClipsTest::clips_are_distinct_recordings() {
    std::set<QByteArray> seen;
    for (const char* name : kResourceNames) {
        const QByteArray image = load_clip(name);
        const auto info = parse_wav(bytes_of(image));
        QVERIFY(info.ok());
        const QByteArray samples = image.mid(static_cast<qsizetype>(info.data_offset),
                                             static_cast<qsizetype>(info.data_size));
        QVERIFY2(seen.insert(samples).second, name);
    }
}

void VoiceClipsTest::catalogue_lists_the_resources_in_order() {
    QCOMPARE(orvane::voice::kClipNames.size(), std::size(kResourceNames));
    for (std::size_t i = 0; i < std::size(kResourceNames); ++i) {
        QCOMPARE(std::string(orvane::voice::kClipNames[i]), lower(kResourceNames[i]));
    }
}

void VoiceClipsTest::unknown_names_give_nothing_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"", "WAV_10", "WAV_", "wav_5.wav", "voice/wav_5", ":/voice/wav_5.wav",
                             "WAV_DENG", "SOUND_5"}) {
        QTest::newRow(name[0] == '\0' ? "empty" : name) << QString::fromLatin1(name);
    }
}

void VoiceClipsTest::unknown_names_give_nothing() {
    QFETCH(QString, name);
    QVERIFY(load_clip(name.toStdString()).isEmpty());
}

QTEST_GUILESS_MAIN(VoiceClipsTest)
#include "voice_clips_test.moc"
