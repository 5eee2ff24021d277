// The player behind the keypad's voice: one clip at a time, the new one cutting off the old,
// the bytes of a playing clip kept intact until it is stopped, the sound output opened only
// when a clip plays, and a machine without sound carrying on silently.
// The audio output module's loading is tested in output_module_test.cpp.
#include <QElapsedTimer>
#include <QTest>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "voice/clip_catalogue.h"
#include "voice/clip_resources.h"
#include "voice/voice_player.h"
#include "voice/wav_header.h"

using orvane::VoicePlayer;
using orvane::voice::ClipSink;
using orvane::voice::WavFormat;

namespace {

std::span<const std::byte> bytes_of(const QByteArray& array) {
    return {reinterpret_cast<const std::byte*>(array.constData()),
            static_cast<std::size_t>(array.size())};
}

// The samples of a clip, read straight from the resources.
QByteArray samples_of(const char* name) {
    const QByteArray image = orvane::voice::load_clip(name);
    const auto info = orvane::voice::parse_wav(bytes_of(image));
    return image.mid(static_cast<qsizetype>(info.data_offset),
                     static_cast<qsizetype>(info.data_size));
}

// What the recording sink saw, kept outside it so tests can read it after the player is gone.
struct SinkLog {
    int sinks_made = 0;
    std::vector<std::string> events;  // "start:<clip>" or "stop"
    std::vector<std::string> faults;  // broken promises about the bytes
    WavFormat last_format;
};

// Names the clips whose samples, back to back, are `samples` ("wav_1+wav_2"), so the log reads
// as clip names; "?" when they are not whole clips.
std::string clip_named_by(std::span<const std::byte> samples) {
    const QByteArray seen(reinterpret_cast<const char*>(samples.data()),
                          static_cast<qsizetype>(samples.size()));
    for (const std::string_view name : orvane::voice::kClipNames) {
        const QByteArray clip = samples_of(std::string(name).c_str());
        if (clip == seen) {
            return std::string(name);
        }
        if (!clip.isEmpty() && seen.startsWith(clip)) {
            const std::string rest = clip_named_by(samples.subspan(clip.size()));
            if (rest != "?") {
                return std::string(name) + "+" + rest;
            }
        }
    }
    return "?";
}

class RecordingSink final : public ClipSink {
  public:
    RecordingSink(SinkLog& log, const VoicePlayer*& player) : log_(log), player_(player) {}
    ~RecordingSink() override { check_bytes_intact("destroyed"); }

    void start(std::span<const std::byte> samples, const WavFormat& format) override {
        if (!playing_.empty()) {
            log_.faults.push_back("started while a clip was still playing");
        }
        playing_ = samples;
        snapshot_.assign(samples.begin(), samples.end());
        log_.last_format = format;
        log_.events.push_back("start:" + clip_named_by(samples));
    }
    void stop() override {
        check_bytes_intact("stop");
        playing_ = {};
        log_.events.push_back("stop");
    }

  private:
    // While a clip plays, the player must still hold its bytes, unchanged, where it said.
    void check_bytes_intact(const char* when) {
        if (playing_.empty()) {
            return;
        }
        const QByteArray& held = player_->sound_data();
        const auto* begin = reinterpret_cast<const std::byte*>(held.constData());
        const bool inside =
            playing_.data() >= begin && playing_.data() + playing_.size() <= begin + held.size();
        if (!inside) {
            log_.faults.push_back(std::string(when) + ": the playing bytes were released");
        } else if (!std::equal(playing_.begin(), playing_.end(), snapshot_.begin())) {
            log_.faults.push_back(std::string(when) + ": the playing bytes were changed");
        }
    }

    SinkLog& log_;
    const VoicePlayer*& player_;
    std::span<const std::byte> playing_;
    std::vector<std::byte> snapshot_;
};

struct Rig {
    SinkLog log;
    const VoicePlayer* watched = nullptr;
    std::unique_ptr<VoicePlayer> player;

    Rig() {
        player = std::make_unique<VoicePlayer>([this]() -> std::unique_ptr<ClipSink> {
            ++log.sinks_made;
            return std::make_unique<RecordingSink>(log, watched);
        });
        watched = player.get();
    }
};

QStringList as_list(const std::vector<std::string>& items) {
    QStringList list;
    for (const auto& item : items) {
        list << QString::fromStdString(item);
    }
    return list;
}

}  // namespace

class VoicePlayerTest : public QObject {
    Q_OBJECT
  private slots:
    void new_clip_cuts_off_the_old_data();
    void new_clip_cuts_off_the_old();
    void sound_output_opens_on_first_playable_clip_data();
    void sound_output_opens_on_first_playable_clip();
    void sequence_plays_as_one_clip_data();
    void sequence_plays_as_one_clip();
    void plays_the_clip_format();
    void destroying_the_player_stops_the_clip_first();
    void no_sound_output_is_silent();
    void real_output_plays_or_stays_silent();
};

void VoicePlayerTest::new_clip_cuts_off_the_old_data() {
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<QString>("holding");
    QTest::newRow("one digit") << QStringList{"wav_5"} << QStringList{"stop", "start:wav_5"}
                               << "wav_5";
    QTest::newRow("quick digits") << QStringList{"wav_1", "wav_2", "wav_0"}
                                  << QStringList{"stop",        "start:wav_1", "stop",
                                                 "start:wav_2", "stop",        "start:wav_0"}
                                  << "wav_0";
    QTest::newRow("result cut off by plus")
        << QStringList{"wav_dengyu", "wav_jia"}
        << QStringList{"stop", "start:wav_dengyu", "stop", "start:wav_jia"} << "wav_jia";
    QTest::newRow("same clip twice restarts it")
        << QStringList{"wav_kf", "wav_kf"}
        << QStringList{"stop", "start:wav_kf", "stop", "start:wav_kf"} << "wav_kf";
    QTest::newRow("upper-case names")
        << QStringList{"WAV_00", "Wav_YuYin"}
        << QStringList{"stop", "start:wav_00", "stop", "start:wav_yuyin"} << "wav_yuyin";
    QTest::newRow("unknown name leaves the playing clip alone")
        << QStringList{"wav_6", "wav_99", ""} << QStringList{"stop", "start:wav_6"} << "wav_6";
}

void VoicePlayerTest::new_clip_cuts_off_the_old() {
    QFETCH(QStringList, played);
    QFETCH(QStringList, events);
    QFETCH(QString, holding);
    Rig rig;
    for (const QString& name : played) {
        rig.player->play(name.toStdString());
    }
    QCOMPARE(as_list(rig.log.events), events);
    QCOMPARE(as_list(rig.log.faults), QStringList{});
    QCOMPARE(rig.log.sinks_made, 1);
    // The player holds the whole image of the clip that is playing.
    QCOMPARE(rig.player->sound_data(), orvane::voice::load_clip(holding.toStdString()));
}

void VoicePlayerTest::sound_output_opens_on_first_playable_clip_data() {
    QTest::addColumn<QStringList>("played");
    QTest::addColumn<int>("sinks");
    QTest::newRow("nothing played") << QStringList{} << 0;
    QTest::newRow("only unknown names") << QStringList{"wav_x", "WAV_", "beep"} << 0;
    QTest::newRow("first clip") << QStringList{"wav_3"} << 1;
    QTest::newRow("many clips, one output") << QStringList{"wav_3", "wav_jian", "wav_fu"} << 1;
}

void VoicePlayerTest::sound_output_opens_on_first_playable_clip() {
    QFETCH(QStringList, played);
    QFETCH(int, sinks);
    Rig rig;
    for (const QString& name : played) {
        rig.player->play(name.toStdString());
    }
    QCOMPARE(rig.log.sinks_made, sinks);
    QCOMPARE(rig.player->sound_data().isEmpty(), sinks == 0);
}

// Each step is a clip for play() or, after "seq:", comma-separated names for play_sequence().
void VoicePlayerTest::sequence_plays_as_one_clip_data() {
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QStringList>("events");
    QTest::addColumn<int>("sinks");
    QTest::newRow("result read after its clip")
        << QStringList{"seq:wav_dengyu,wav_1,wav_2"}
        << QStringList{"stop", "start:wav_dengyu+wav_1+wav_2"} << 1;
    QTest::newRow("one name") << QStringList{"seq:wav_kf"} << QStringList{"stop", "start:wav_kf"}
                              << 1;
    QTest::newRow("same clip repeated") << QStringList{"seq:wav_0,wav_0,wav_0"}
                                        << QStringList{"stop", "start:wav_0+wav_0+wav_0"} << 1;
    QTest::newRow("unknown and empty names skipped, any case")
        << QStringList{"seq:wav_x,WAV_3,,wav_dian,beep,Wav_5"}
        << QStringList{"stop", "start:wav_3+wav_dian+wav_5"} << 1;
    QTest::newRow("nothing known opens nothing")
        << QStringList{"seq:wav_x,beep", "seq:"} << QStringList{} << 0;
    QTest::newRow("nothing known leaves the playing clip alone")
        << QStringList{"wav_6", "seq:wav_x", "seq:"} << QStringList{"stop", "start:wav_6"} << 1;
    QTest::newRow("a key cuts the reading off")
        << QStringList{"seq:wav_dengyu,wav_fu,wav_9", "wav_jia"}
        << QStringList{"stop", "start:wav_dengyu+wav_fu+wav_9", "stop", "start:wav_jia"} << 1;
    QTest::newRow("a reading cuts the key off")
        << QStringList{"wav_dengyu", "seq:wav_4,wav_dian,wav_5"}
        << QStringList{"stop", "start:wav_dengyu", "stop", "start:wav_4+wav_dian+wav_5"} << 1;
    QTest::newRow("a reading cuts a reading off")
        << QStringList{"seq:wav_1,wav_2", "seq:wav_3,wav_4"}
        << QStringList{"stop", "start:wav_1+wav_2", "stop", "start:wav_3+wav_4"} << 1;
}

void VoicePlayerTest::sequence_plays_as_one_clip() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    QFETCH(int, sinks);
    Rig rig;
    for (const QString& step : steps) {
        if (!step.startsWith("seq:")) {
            rig.player->play(step.toStdString());
            continue;
        }
        std::vector<std::string> names;
        for (const QString& name : step.mid(4).split(u',')) {
            names.push_back(name.toStdString());
        }
        // The names live only for the call: the player must copy what it plays.
        std::vector<std::string_view> views(names.begin(), names.end());
        rig.player->play_sequence(views);
        names.assign(names.size(), std::string(64, 'x'));
    }
    QCOMPARE(as_list(rig.log.events), events);
    QCOMPARE(as_list(rig.log.faults), QStringList{});
    QCOMPARE(rig.log.sinks_made, sinks);
}

void VoicePlayerTest::plays_the_clip_format() {
    Rig rig;
    rig.player->play("wav_tuige");
    QCOMPARE(rig.log.last_format.sample_rate, 11025u);
    QCOMPARE(rig.log.last_format.channels, 1);
    QCOMPARE(rig.log.last_format.bits_per_sample, 16);
}

void VoicePlayerTest::destroying_the_player_stops_the_clip_first() {
    Rig rig;
    rig.player->play("wav_qingchu");
    rig.player.reset();
    QCOMPARE(as_list(rig.log.faults), QStringList{});
    QCOMPARE(as_list(rig.log.events), (QStringList{"stop", "start:wav_qingchu", "stop"}));
}

void VoicePlayerTest::no_sound_output_is_silent() {
    int asked = 0;
    VoicePlayer player([&asked]() -> std::unique_ptr<ClipSink> {
        ++asked;
        return nullptr;
    });
    player.play("wav_1");
    player.play("wav_2");
    player.stop();
    // Asked again at each clip: a sound output plugged in later is used.
    QCOMPARE(asked, 2);
    QVERIFY(player.sound_data().isEmpty());
}

// With the desktop's real output, or none: playing never blocks, fails or throws.
void VoicePlayerTest::real_output_plays_or_stays_silent() {
    VoicePlayer player;
    qint64 slowest = 0;
    for (const char* name : {"wav_1", "wav_2", "wav_3", "wav_jia", "wav_dengyu"}) {
        QElapsedTimer timer;
        timer.start();
        player.play(name);
        slowest = std::max(slowest, timer.elapsed());
        QTest::qWait(20);
    }
    player.stop();
    // Each play returns at once, the first one (which opens the output) included.
    QVERIFY2(slowest < 500, qPrintable(QString::number(slowest)));
    QCOMPARE(player.sound_data(), orvane::voice::load_clip("wav_dengyu"));
}

QTEST_MAIN(VoicePlayerTest)
#include "voice_player_test.moc"
