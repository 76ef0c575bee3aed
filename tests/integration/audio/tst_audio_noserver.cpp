// With no sound server and no card the program still runs: no device is
// listed and every start fails silently.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include "platform/audio/AudioFile.h"
#include "platform/audio/PortAudioHost.h"
#include "platform/audio/WaveOut.h"
#include "playback/U_Tocar.h"
#include "support/audio/ToneFiles.h"

using namespace sono::test;

class TestAudioNoServer : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;

 private slots:
  void initTestCase() {
    if (QDir(QStringLiteral("/dev/snd")).exists()) QSKIP("this machine has a sound card");
    QVERIFY(dir_.isValid());
    // A server address where nothing listens, and only the system's ALSA setup.
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(dir_.filePath("no-server")));
    qunsetenv("ALSA_CONFIG_PATH");
    QVERIFY(writeTone(dir_.filePath("a440.wav"), ToneKind::Wav, 440, 0.5));
  }

  void noDeviceIsListed() {
    QCOMPARE(sono::audio::outputDeviceCount(), 0);
    QCOMPARE(sono::audio::outputDeviceName(-1), QString());
    QCOMPARE(sono::audio::outputDeviceName(0), QString());
  }

  void everyStartFailsSilently_data() {
    QTest::addColumn<int>("device");
    QTest::newRow("default") << -1;
    QTest::newRow("device 0") << 0;
    QTest::newRow("device 3") << 3;
  }
  void everyStartFailsSilently() {
    QFETCH(int, device);
    QObject owner;
    auto* reader = new TMMAudioFile(&owner);
    auto* output = new TMMWaveOut(&owner);
    int notifications = 0;
    output->setDeviceID(device);
    output->setOnStart([&](QObject*) { ++notifications; });
    output->setOnStop([&](QObject*) { ++notifications; });
    reader->setOutput(output);
    QVERIFY(!TocarArquivo(dir_.filePath("a440.wav"), reader, output));
    QTest::qWait(50);
    QCOMPARE(notifications, 0);
    QVERIFY(!output->isPlaying());
    QVERIFY(reader->isOpen());  // the file itself was fine
  }
};

QTEST_GUILESS_MAIN(TestAudioNoServer)
#include "tst_audio_noserver.moc"
