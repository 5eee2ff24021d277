// Finding and loading the audio output module: the build tree and installed layouts, broken or
// foreign files passed over, and a program without the module carrying on in silence.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <string_view>
#include <vector>

#include "voice/clip_resources.h"
#include "voice/output_module.h"
#include "voice/voice_player.h"

using orvane::VoicePlayer;
using orvane::voice::OutputModule;

namespace {

const QString kModuleFile = QString::fromLatin1(orvane::voice::kOutputModuleFile);

// Copies the real module to `dir` (made as needed) under its own name; the new path.
QString install_module_copy(const QString& dir) {
    QDir().mkpath(dir);
    const QString target = dir + u'/' + kModuleFile;
    return QFile::copy(QStringLiteral(ORVANE_TEST_OUTPUT_MODULE), target) ? target : QString();
}

}  // namespace

class OutputModuleTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void candidates_data();
    void candidates();
    void loads_the_first_usable_module_data();
    void loads_the_first_usable_module();
    void installed_layout_is_found_data();
    void installed_layout_is_found();
    void player_without_module_stays_silent();
    void factory_loads_once_and_makes_sinks();
    void default_player_follows_the_module();
    void module_is_heard();
    void module_cuts_a_sequence();

  private:
    QTemporaryDir scratch_;
    std::map<QString, QString> files_;  // name used in the tables -> path
};

void OutputModuleTest::initTestCase() {
    QVERIFY(scratch_.isValid());
    // The build names the module as the program looks for it.
    QCOMPARE(QFileInfo(QStringLiteral(ORVANE_TEST_OUTPUT_MODULE)).fileName(), kModuleFile);

    files_["real"] = QStringLiteral(ORVANE_TEST_OUTPUT_MODULE);
    files_["copy"] = install_module_copy(scratch_.filePath(QStringLiteral("copy")));
    QVERIFY(!files_["copy"].isEmpty());
    files_["missing"] = scratch_.filePath(QStringLiteral("nowhere/") + kModuleFile);
    files_["text"] = scratch_.filePath(QStringLiteral("text/") + kModuleFile);
    QDir().mkpath(scratch_.filePath(QStringLiteral("text")));
    QFile text(files_["text"]);
    QVERIFY(text.open(QIODevice::WriteOnly));
    text.write("not a shared object\n");
    text.close();
    files_["folder"] = scratch_.filePath(QStringLiteral("folder/") + kModuleFile);
    QVERIFY(QDir().mkpath(files_["folder"]));
    files_["other abi"] = QStringLiteral(ORVANE_TEST_STUB_OTHER_ABI);
    files_["no create"] = QStringLiteral(ORVANE_TEST_STUB_NO_CREATE);
    files_["no entries"] = QStringLiteral(ORVANE_TEST_STUB_EMPTY);
}

void OutputModuleTest::candidates_data() {
    QTest::addColumn<QString>("exe_dir");
    QTest::addColumn<QString>("override_path");
    QTest::addColumn<QStringList>("relative_dirs");
    QTest::addColumn<QStringList>("expected");
    const QStringList installed{QStringLiteral("../lib/x86_64-linux-gnu/orvane-calculator"),
                                QStringLiteral("../lib/orvane-calculator")};
    QTest::newRow("beside, then installed")
        << "/opt/orvane/bin"
        << "" << installed
        << QStringList{"/opt/orvane/bin/" + kModuleFile,
                       "/opt/orvane/lib/x86_64-linux-gnu/orvane-calculator/" + kModuleFile,
                       "/opt/orvane/lib/orvane-calculator/" + kModuleFile};
    QTest::newRow("override is the only one")
        << "/opt/orvane/bin"
        << "/tmp/test/m.so" << installed << QStringList{"/tmp/test/m.so"};
    QTest::newRow("unknown executable folder") << ""
                                               << "" << installed << QStringList{};
    QTest::newRow("same folder twice is tried once")
        << "/usr/bin"
        << "" << QStringList{"../lib/orvane-calculator", "../lib/./orvane-calculator"}
        << QStringList{"/usr/bin/" + kModuleFile, "/usr/lib/orvane-calculator/" + kModuleFile};
    QTest::newRow("relative dir that is the executable's own")
        << "/usr/bin/"
        << "" << QStringList{"."} << QStringList{"/usr/bin/" + kModuleFile};
}

void OutputModuleTest::candidates() {
    QFETCH(QString, exe_dir);
    QFETCH(QString, override_path);
    QFETCH(QStringList, relative_dirs);
    QFETCH(QStringList, expected);
    QCOMPARE(orvane::voice::output_module_candidates(exe_dir, override_path, relative_dirs),
             expected);
}

void OutputModuleTest::loads_the_first_usable_module_data() {
    QTest::addColumn<QStringList>("tried");
    QTest::addColumn<QString>("loaded");  // empty: none
    QTest::newRow("nothing to try") << QStringList{} << "";
    QTest::newRow("missing file") << QStringList{"missing"} << "";
    QTest::newRow("not a shared object") << QStringList{"text"} << "";
    QTest::newRow("a folder of that name") << QStringList{"folder"} << "";
    QTest::newRow("library without entry points") << QStringList{"no entries"} << "";
    QTest::newRow("module of another version") << QStringList{"other abi"} << "";
    QTest::newRow("module without a sink entry") << QStringList{"no create"} << "";
    QTest::newRow("broken ones passed over")
        << QStringList{"missing", "text", "folder", "no entries", "other abi", "no create", "real"}
        << "real";
    QTest::newRow("first usable wins") << QStringList{"copy", "real"} << "copy";
    QTest::newRow("order decides") << QStringList{"real", "copy"} << "real";
}

void OutputModuleTest::loads_the_first_usable_module() {
    QFETCH(QStringList, tried);
    QFETCH(QString, loaded);
    QStringList paths;
    for (const QString& name : tried) {
        paths << files_.at(name);
    }
    const auto module = OutputModule::load(paths);
    QCOMPARE(module ? module->path() : QString(), loaded.isEmpty() ? QString() : files_.at(loaded));
    if (module) {
        QVERIFY(module->create_sink() != nullptr);
    }
}

void OutputModuleTest::installed_layout_is_found_data() {
    QTest::addColumn<QString>("module_dir");  // relative to the installation prefix
    QTest::addColumn<bool>("found");
    QTest::newRow("this build's libdir")
        << QStringLiteral(ORVANE_TEST_INSTALL_LIBDIR "/orvane-calculator") << true;
    QTest::newRow("plain lib") << "lib/orvane-calculator" << true;
    QTest::newRow("beside the executable") << "bin" << true;
    QTest::newRow("lib without the program's folder") << "lib" << false;
    QTest::newRow("another program's folder") << "lib/other-program" << false;
    QTest::newRow("share instead of lib") << "share/orvane-calculator" << false;
}

void OutputModuleTest::installed_layout_is_found() {
    QFETCH(QString, module_dir);
    QFETCH(bool, found);
    QTemporaryDir prefix;
    QVERIFY(prefix.isValid());
    QVERIFY(QDir().mkpath(prefix.filePath(QStringLiteral("bin"))));
    const QString installed = install_module_copy(prefix.filePath(module_dir));
    QVERIFY(!installed.isEmpty());
    const QStringList candidates = orvane::voice::output_module_candidates(
        prefix.filePath(QStringLiteral("bin")), QString(), orvane::voice::installed_module_dirs());
    const auto module = OutputModule::load(candidates);
    QCOMPARE(module ? module->path() : QString(), found ? installed : QString());
}

void OutputModuleTest::player_without_module_stays_silent() {
    const QStringList broken{files_["missing"], files_["text"], files_["other abi"],
                             files_["no create"]};
    VoicePlayer player(orvane::voice::output_module_factory(broken));
    for (const char* name : {"wav_1", "wav_jia", "wav_dengyu"}) {
        player.play(name);
    }
    player.stop();
    // Nothing played, so no clip is held.
    QVERIFY(player.sound_data().isEmpty());
    auto factory = orvane::voice::output_module_factory(broken);
    QVERIFY(factory() == nullptr);
    QVERIFY(factory() == nullptr);
}

void OutputModuleTest::factory_loads_once_and_makes_sinks() {
    // Loaded on the first request only: a module removed afterwards keeps serving.
    QTemporaryDir dir;
    const QString path = install_module_copy(dir.path());
    QVERIFY(!path.isEmpty());
    auto factory = orvane::voice::output_module_factory({path});
    const auto first = factory();
    QVERIFY(first != nullptr);
    QVERIFY(QFile::remove(path));
    const auto second = factory();
    QVERIFY(second != nullptr);
    QVERIFY(first.get() != second.get());
    // A factory that has not loaded yet does look at the file, and finds it gone.
    QVERIFY(orvane::voice::output_module_factory({path})() == nullptr);
}

// Run twice by ctest: with ORVANE_VOICE_MODULE naming the built module, and naming a file that
// does not exist. Only with a module is a clip taken on.
void OutputModuleTest::default_player_follows_the_module() {
    const QString module = qEnvironmentVariable("ORVANE_VOICE_MODULE");
    if (module.isEmpty()) {
        QSKIP("ORVANE_VOICE_MODULE is not set");
    }
    VoicePlayer player;
    player.play("wav_7");
    player.play("wav_chen");
    player.stop();
    const bool has_module = QFileInfo(module).isFile();
    QCOMPARE(player.sound_data(), has_module ? orvane::voice::load_clip("wav_chen") : QByteArray());
}

// Run by voice_output_e2e.sh with a private sound server listening: the default player loads
// the module and the clip plays to its end.
void OutputModuleTest::module_is_heard() {
    if (qEnvironmentVariableIsEmpty("ORVANE_EXPECT_AUDIO")) {
        QSKIP("needs the sound server of voice_output_e2e.sh");
    }
    VoicePlayer player;
    player.play("wav_dengyu");
    QCOMPARE(player.sound_data(), orvane::voice::load_clip("wav_dengyu"));
    QTest::qWait(1500);
}

// Run by voice_output_e2e.sh, which measures how long speech was heard: a run of clips some
// 6.9 s long, cut off after 0.3 s by one short clip.
void OutputModuleTest::module_cuts_a_sequence() {
    if (qEnvironmentVariableIsEmpty("ORVANE_EXPECT_AUDIO")) {
        QSKIP("needs the sound server of voice_output_e2e.sh");
    }
    VoicePlayer player;
    const std::vector<std::string_view> names(10, "wav_qingchu");
    player.play_sequence(names);
    QTest::qWait(300);
    player.play("wav_1");
    QTest::qWait(2000);
}

QTEST_MAIN(OutputModuleTest)
#include "output_module_test.moc"
