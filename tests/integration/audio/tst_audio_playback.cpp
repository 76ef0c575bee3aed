// The player on the real path: PortAudio → ALSA → the test sound server's
// null sinks, whose monitors are recorded and analysed.
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <memory>

#include "platform/audio/AudioFile.h"
#include "platform/audio/PortAudioHost.h"
#include "platform/audio/WaveOut.h"
#include "playback/U_Tocar.h"
#include "support/audio/MonitorRecorder.h"
#include "support/audio/TestSoundServer.h"
#include "support/audio/ToneAnalysis.h"
#include "support/audio/ToneFiles.h"

using namespace sono::test;

namespace {

// RMS that counts as sound: the tones are at half of full scale (RMS 0.35).
constexpr double kSound = 0.02;

// One player as the board builds it: reader and output owned by one object.
struct Player {
  QObject* owner = new QObject;
  TMMAudioFile* reader = new TMMAudioFile(owner);
  TMMWaveOut* output = new TMMWaveOut(owner);
  int starts = 0;
  int stops = 0;
  bool inCall = false;  // inside TocarArquivo
  bool stopOutsideEventLoop = false;
  bool stopOffUiThread = false;
  std::function<void()> onStop;  // extra work in the stop notification

  explicit Player(int device = -1, int buffers = 10) {
    output->setCallBackMode(cmThread);
    output->setDeviceID(device);
    output->setNumBuffers(buffers);
    output->setTimeFormat(tfMillisecond);
    output->setOnStart([this](QObject*) { ++starts; });
    output->setOnStop([this](QObject*) {
      ++stops;
      stopOffUiThread |= QThread::currentThread() != qApp->thread();
      if (onStop) onStop();
    });
    reader->setOutput(output);
  }
  ~Player() { delete owner; }
  bool play(const QString& file) {
    inCall = true;
    const bool ok = TocarArquivo(file, reader, output);
    inCall = false;
    return ok;
  }
};

}  // namespace

class TestAudioPlayback : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  QString path(const QString& name) const { return dir_.filePath(name); }

  static int threadCount() {
    return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
  }
  static int fdCount() {
    return int(
        QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size());
  }

 private slots:
  void initTestCase() {
    const QString problem = useTestSoundServer();
    if (!problem.isEmpty()) QFAIL(qPrintable(problem));
    QVERIFY2(sono::audio::outputDeviceCount() >= 2, "the test sound server's sinks are not listed");
    QVERIFY(deviceNumberNamed(kDefaultSink) >= 0);
    QVERIFY(deviceNumberNamed(kSecondSink) >= 0);
    QVERIFY(!sono::audio::outputDeviceName(-1).isEmpty());

    QVERIFY(dir_.isValid());
    QVERIFY(writeTone(path("a440.wav"), ToneKind::Wav, 440, 1.0));
    QVERIFY(writeTone(path("a440.mp3"), ToneKind::Mp3Cbr, 440, 1.0));
    QVERIFY(writeTone(path("a440vbr.mp3"), ToneKind::Mp3Vbr, 440, 1.0));
    QVERIFY(stripXingFrame(path("a440vbr.mp3")));
    QVERIFY(writeTone(path("a440mono22k.wav"), ToneKind::Wav, 440, 1.0, 0.5, 22050, 1));
    QVERIFY(writeTone(path("e660.mp3"), ToneKind::Mp3Cbr, 660, 1.0));
    QVERIFY(writeTone(path("long440.wav"), ToneKind::Wav, 440, 4.0));
    // 0.3 s of 440 Hz is a whole number of periods: a seamless loop.
    QVERIFY(writeTone(path("loop440.wav"), ToneKind::Wav, 440, 0.3));
    QVERIFY(writeTone(path("hour880.wav"), ToneKind::Wav, 880, 0.5));
    QVERIFY(writeTone(path("minute660.mp3"), ToneKind::Mp3Cbr, 660, 0.5));
    QVERIFY(writeTone(path("short.wav"), ToneKind::Wav, 440, 0.1));
    QVERIFY(writeTone(path("empty.wav"), ToneKind::Wav, 440, 0.0));
    QVERIFY(writeFile(path("text.wav"), "not a sound\n"));
    QVERIFY(writeFile(path("text.mp3"), "not a sound\n"));
  }

  void toneIsHeard_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("wav") << "a440.wav";
    QTest::newRow("mp3") << "a440.mp3";
    QTest::newRow("vbr mp3 without length header") << "a440vbr.mp3";
    QTest::newRow("wav mono 22.05 kHz") << "a440mono22k.wav";
  }
  void toneIsHeard() {
    QFETCH(QString, file);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p;
    QVERIFY(p.play(path(file)));
    QCOMPARE(p.starts, 1);  // delivered inside the start
    QCOMPARE(p.stops, 0);   // never before the event loop runs
    QVERIFY(p.output->isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    QVERIFY(!p.output->isPlaying());
    QVERIFY(!p.stopOffUiThread);
    QTest::qWait(100);
    QCOMPARE(p.stops, 1);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);

    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(kSound);
    QVERIFY2(first >= 0, "nothing was heard");
    const int heard = last - first + ToneAnalysis::kWindowMs;
    QVERIFY2(qAbs(heard - 1000) <= 60, qPrintable(QString::number(heard)));
    QVERIFY(a.longestGapMs(kSound) == 0);
    const double level = a.toneLevel(440, first + 100, last - 100);
    QVERIFY2(qAbs(level - 0.5) < 0.05, qPrintable(QString::number(level)));
    QVERIFY(a.toneLevel(660, first + 100, last - 100) < 0.02);
  }

  void twoPlayersAreBothHeard() {
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player a, b;
    QVERIFY(a.play(path("a440.wav")));
    QVERIFY(b.play(path("e660.mp3")));
    QTRY_VERIFY_WITH_TIMEOUT(a.stops == 1 && b.stops == 1, 5000);
    const ToneAnalysis an(rec.stop(), MonitorRecorder::kRate);
    const int first = an.firstSoundMs(kSound);
    QVERIFY(first >= 0);
    QVERIFY(an.toneLevel(440, first + 200, first + 800) > 0.4);
    QVERIFY(an.toneLevel(660, first + 200, first + 800) > 0.4);
  }

  void notAudioIsNotPlayed_data() {
    QTest::addColumn<QString>("file");
    QTest::newRow("text named .wav") << path("text.wav");
    QTest::newRow("text named .mp3") << path("text.mp3");
    QTest::newRow("missing file") << path("missing.wav");
    QTest::newRow("empty name") << QString();
    QTest::newRow("a folder") << dir_.path();
  }
  void notAudioIsNotPlayed() {
    QFETCH(QString, file);
    Player p;
    QVERIFY(!p.play(file));
    QTest::qWait(100);
    QCOMPARE(p.starts, 0);
    QCOMPARE(p.stops, 0);
    QVERIFY(!p.output->isOpen());  // the output was left untouched
    QVERIFY(!p.reader->isOpen());
  }

  void loadFailureClosesThePreviousFile() {
    TMMAudioFile reader;
    QVERIFY(CarregarArquivo(path("a440.wav"), &reader));
    QVERIFY(reader.isOpen());
    QVERIFY(!CarregarArquivo(path("text.wav"), &reader));
    QVERIFY(!reader.isOpen());
    QVERIFY(!CarregarArquivo(path("missing.wav"), nullptr));
  }

  void fileWithoutAudioStopsInsideTheCall() {
    Player p;
    bool stopInsideCall = false;
    p.onStop = [&] { stopInsideCall = p.inCall; };
    QVERIFY(!p.play(path("empty.wav")));
    QCOMPARE(p.stops, 1);
    QVERIFY(stopInsideCall);
    QCOMPARE(p.starts, 0);
    QTest::qWait(100);
    QCOMPARE(p.stops, 1);
  }

  void releaseInsideTheStopNotification_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("deferred");
    QTest::addColumn<bool>("played");
    QTest::newRow("end of file, deferred") << "short.wav" << true << true;
    QTest::newRow("end of file, at once") << "short.wav" << false << true;
    QTest::newRow("no audio data, deferred") << "empty.wav" << true << false;
    QTest::newRow("no audio data, at once") << "empty.wav" << false << false;
  }
  void releaseInsideTheStopNotification() {
    // The board releases the player from its stop notification, which for a
    // file without audio runs inside the failing start.
    QFETCH(QString, file);
    QFETCH(bool, deferred);
    QFETCH(bool, played);
    auto* owner = new QObject;
    auto* reader = new TMMAudioFile(owner);
    auto* output = new TMMWaveOut(owner);
    QPointer<QObject> alive(owner);
    int stops = 0;
    reader->setOutput(output);
    output->setDeviceID(-1);
    output->setOnStop([&, owner](QObject* sender) {
      ++stops;
      QCOMPARE(sender, static_cast<QObject*>(output));
      if (deferred)
        owner->deleteLater();
      else
        delete owner;
    });
    QCOMPARE(TocarArquivo(path(file), reader, output), played);
    QTRY_VERIFY_WITH_TIMEOUT(alive.isNull(), 5000);
    QCOMPARE(stops, 1);
  }

  void fadeOutFallsToSilence_data() {
    QTest::addColumn<bool>("looping");
    QTest::newRow("plain") << false;
    QTest::newRow("looping output: the fade is not restarted") << true;
  }
  void fadeOutFallsToSilence() {
    QFETCH(bool, looping);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p;
    p.output->setLooping(looping);
    QVERIFY(p.play(path("long440.wav")));
    QTRY_VERIFY(p.reader->position() >= 1000);
    p.reader->fadeOut(500);
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(0.005);
    QVERIFY(first >= 0);
    QVERIFY2(last - first < 2500, "the fade did not end the file early");
    // The ramp: from 90 % of the steady level to silence within 500 ms.
    const double steady = a.windows()[size_t(first + 500) / ToneAnalysis::kWindowMs];
    int fallStart = -1;
    for (int ms = first + 500; ms <= last; ms += ToneAnalysis::kWindowMs)
      if (a.windows()[size_t(ms / ToneAnalysis::kWindowMs)] < 0.9 * steady) {
        fallStart = ms;
        break;
      }
    QVERIFY(fallStart > 0);
    const int fall = last - fallStart;
    QVERIFY2(fall <= 500 && fall >= 300, qPrintable(QString::number(fall)));
  }

  void fadeLongerThanWhatRemainsEndsAtTheNaturalEnd() {
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p;
    QVERIFY(p.play(path("a440.wav")));
    QTRY_VERIFY(p.reader->position() >= 600);
    p.reader->fadeOut(2000);
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(0.005);
    QVERIFY(first >= 0);
    const int heard = last - first + ToneAnalysis::kWindowMs;
    QVERIFY2(qAbs(heard - 1000) <= 60, qPrintable(QString::number(heard)));
    // …and it was fading: the end is quieter than the middle.
    QVERIFY(a.toneLevel(440, last - 100, last) < 0.5 * a.toneLevel(440, first + 200, first + 400));
  }

  void loopingRepeatsUntilFaded() {
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p;
    p.output->setLooping(true);
    QVERIFY(p.play(path("loop440.wav")));
    // Watch the position as the progress timer does: it returns to the start.
    qint64 previous = 0;
    int rewinds = 0;
    QTimer gauge;
    QObject::connect(&gauge, &QTimer::timeout, [&] {
      const qint64 now = p.reader->position();
      rewinds += now < previous;
      previous = now;
    });
    gauge.start(30);
    QTest::qWait(1500);  // five times the file's length
    gauge.stop();
    QVERIFY(rewinds >= 3);
    QCOMPARE(p.stops, 0);  // rewinding notifies nobody
    QVERIFY(p.output->isPlaying());
    p.output->setLooping(false);
    p.reader->fadeOut(200);
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(kSound);
    QVERIFY(last - first >= 1400);
    QCOMPARE(a.longestGapMs(kSound), 0);  // seamless
    QVERIFY(a.toneLevel(440, first + 100, first + 1300) > 0.45);
  }

  void stopNotifiesFromTheEventLoopAndCloseIsSilent() {
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p;
    QVERIFY(p.play(path("long440.wav")));
    QTRY_VERIFY(p.reader->position() >= 300);
    p.output->stop();
    QVERIFY(!p.output->isPlaying());
    QCOMPARE(p.stops, 0);  // queued, not inside stop()
    QTRY_COMPARE(p.stops, 1);
    QVERIFY(p.output->isOpen());
    // Started again it goes on from where it was; close silences it.
    p.output->start();
    QCOMPARE(p.starts, 2);
    QVERIFY(p.output->isPlaying());
    p.output->close();
    QVERIFY(!p.output->isPlaying());
    QVERIFY(!p.output->isOpen());
    QTest::qWait(200);
    QCOMPARE(p.stops, 1);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(kSound);
    QVERIFY(first >= 0);
    QVERIFY2(last - first < 2000, qPrintable(QString::number(last - first)));
  }

  void bufferCount_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("used");
    QTest::newRow("1 keeps the default") << 1 << 10;
    QTest::newRow("0 (null) keeps the default") << 0 << 10;
    QTest::newRow("negative") << -3 << 10;
    QTest::newRow("2") << 2 << 2;
    QTest::newRow("200") << 200 << 200;
    QTest::newRow("500") << 500 << 500;
    QTest::newRow("above 500") << 501 << 500;
  }
  void bufferCount() {
    QFETCH(int, stored);
    QFETCH(int, used);
    TMMWaveOut out;
    QCOMPARE(out.numBuffers(), 10);
    QCOMPARE(out.bufferSize(), 2048);
    out.setNumBuffers(stored);
    QCOMPARE(out.numBuffers(), used);
  }

  void bufferCountOfOnePlays() {
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p(-1, 1);
    QCOMPARE(p.output->numBuffers(), 10);
    QVERIFY(p.play(path("a440.wav")));
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound);
    QVERIFY(first >= 0);
    QVERIFY(a.toneLevel(440, first + 100, first + 900) > 0.45);
    QCOMPARE(a.longestGapMs(kSound), 0);
  }

  void deviceBeyondTheListFailsSilently_data() {
    QTest::addColumn<int>("device");
    QTest::newRow("first number past the list") << sono::audio::outputDeviceCount();
    QTest::newRow("far past") << sono::audio::outputDeviceCount() + 40;
    QTest::newRow("below −1") << -2;
  }
  void deviceBeyondTheListFailsSilently() {
    QFETCH(int, device);
    Player p(device);
    QVERIFY(!p.play(path("a440.wav")));
    QTest::qWait(100);
    QCOMPARE(p.starts, 0);
    QCOMPARE(p.stops, 0);
    QVERIFY(!p.output->isPlaying());
    QVERIFY(sono::audio::outputDeviceName(device).isEmpty());
  }

  void deviceChoice_data() {
    QTest::addColumn<QString>("sink");
    QTest::newRow("first sink") << QString(kDefaultSink);
    QTest::newRow("second sink") << QString(kSecondSink);
  }
  void deviceChoice() {
    QFETCH(QString, sink);
    const QString other = sink == kDefaultSink ? kSecondSink : kDefaultSink;
    MonitorRecorder chosen(sink), notChosen(other);
    QVERIFY(chosen.start());
    QVERIFY(notChosen.start());
    Player p(deviceNumberNamed(sink));
    QVERIFY(p.play(path("a440.wav")));
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    const ToneAnalysis heard(chosen.stop(), MonitorRecorder::kRate);
    const ToneAnalysis silent(notChosen.stop(), MonitorRecorder::kRate);
    QVERIFY(heard.firstSoundMs(kSound) >= 0);
    QCOMPARE(silent.firstSoundMs(kSound), -1);
  }

  void restartFromInsideItsOwnStop() {
    // The time announcement's minute part: the same reader and output are
    // started again from inside the first recording's stop notification.
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    Player p;
    bool restarted = false;
    p.onStop = [&] {
      if (p.stops == 1) restarted = TocarArquivo(path("minute660.mp3"), p.reader, p.output);
    };
    QVERIFY(p.play(path("hour880.wav")));
    QTRY_COMPARE_WITH_TIMEOUT(p.stops, 2, 5000);
    QVERIFY(restarted);
    QCOMPARE(p.starts, 2);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(kSound);
    QVERIFY(first >= 0);
    QVERIFY(a.toneLevel(880, first + 100, first + 400) > 0.4);
    QVERIFY(a.toneLevel(660, first + 100, first + 400) < 0.05);
    QVERIFY(a.toneLevel(660, last - 400, last - 100) > 0.4);
    QVERIFY(a.toneLevel(880, last - 400, last - 100) < 0.05);
  }

  void destroyingWhilePlayingStopsAtOnce_data() {
    QTest::addColumn<int>("order");  // 0 the owner, 1 output first, 2 reader first
    QTest::newRow("owner (both)") << 0;
    QTest::newRow("output first") << 1;
    QTest::newRow("reader first") << 2;
  }
  void destroyingWhilePlayingStopsAtOnce() {
    QFETCH(int, order);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    auto p = std::make_unique<Player>();
    int stops = 0;
    p->output->setOnStop([&](QObject*) { ++stops; });
    QVERIFY(p->play(path("long440.wav")));
    QTRY_VERIFY(p->reader->position() >= 500);
    if (order == 1) {
      delete p->output;
      delete p->reader;
    } else if (order == 2) {
      delete p->reader;
      QVERIFY(!p->output->isPlaying());
      delete p->output;
    }
    p.reset();
    QTest::qWait(500);
    QCOMPARE(stops, 0);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSound), last = a.lastSoundMs(kSound);
    QVERIFY(first >= 0);
    QVERIFY2(last - first < 1500, qPrintable(QString::number(last - first)));
  }

  void hundredPlayersLeaveNothingBehind() {
    {
      // Warm up: PortAudio, the server connection, the MPEG library.
      Player p;
      QVERIFY(p.play(path("short.wav")));
      QTRY_COMPARE_WITH_TIMEOUT(p.stops, 1, 5000);
    }
    QTest::qWait(200);
    const int threads = threadCount(), fds = fdCount();
    int alive = 0;
    for (int i = 0; i < 100; ++i) {
      auto* owner = new QObject;
      auto* reader = new TMMAudioFile(owner);
      auto* output = new TMMWaveOut(owner);
      output->setDeviceID(-1);
      reader->setOutput(output);
      ++alive;
      QObject::connect(owner, &QObject::destroyed, [&] { --alive; });
      // Released from its own stop notification, as the board does.
      output->setOnStop([owner](QObject*) { owner->deleteLater(); });
      const QString file = i % 3 == 0 ? path("a440vbr.mp3") : path("short.wav");
      QVERIFY(TocarArquivo(file, reader, output));
      if (i % 2 == 0) delete owner;  // destroyed while playing
      if (i % 10 == 9) QTest::qWait(50);
    }
    QTRY_COMPARE_WITH_TIMEOUT(alive, 0, 10000);
    QTRY_COMPARE(threadCount(), threads);
    QTRY_COMPARE(fdCount(), fds);
  }
};

QTEST_MAIN(TestAudioPlayback)
#include "tst_audio_playback.moc"
