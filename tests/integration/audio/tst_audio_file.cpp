// The file reader on its own: which files it opens, by content, and the
// lengths it reports. No device is involved.
#include <QTemporaryDir>
#include <QTest>

#include "platform/audio/AudioError.h"
#include "platform/audio/AudioFile.h"
#include "support/audio/ToneFiles.h"

using namespace sono::test;

class TestAudioFile : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  QString path(const QString& name) const { return dir_.filePath(name); }

 private slots:
  void initTestCase() {
    QVERIFY(dir_.isValid());
    QVERIFY(writeTone(path("tone.wav"), ToneKind::Wav, 440, 2.0));
    QVERIFY(writeTone(path("mono22k.wav"), ToneKind::Wav, 440, 1.5, 0.5, 22050, 1));
    QVERIFY(writeTone(path("tone.mp3"), ToneKind::Mp3Cbr, 440, 2.0));
    QVERIFY(writeTone(path("vbr.mp3"), ToneKind::Mp3Vbr, 440, 3.0));
    QVERIFY(writeTone(path("noxing.mp3"), ToneKind::Mp3Vbr, 440, 3.0));
    QVERIFY(stripXingFrame(path("noxing.mp3")));
    // Content decides, not the name.
    QFile::copy(path("tone.mp3"), path("mp3-named.wav"));
    QFile::copy(path("tone.wav"), path("wav-named.mp3"));
    QFile::copy(path("tone.wav"), path("wav-no-extension"));
    QVERIFY(writeFile(path("text.wav"), "This is not a sound file.\r\nJust text.\r\n"));
    QVERIFY(writeFile(path("text.mp3"), "This is not a sound file.\r\nJust text.\r\n"));
    QVERIFY(writeFile(path("empty.mp3"), QByteArray()));
    QByteArray noise(64 * 1024, '\0');
    quint32 x = 12345;
    for (auto& c : noise) {
      x = x * 1664525u + 1013904223u;
      c = char(x >> 24);
    }
    QVERIFY(writeFile(path("noise.mp3"), noise));
    QVERIFY(writeFile(path("riff-only.wav"), QByteArray("RIFF\x24\0\0\0WAVEfmt ", 16)));
    QVERIFY(writeFile(path("id3-only.mp3"), QByteArray("ID3\x03\0\0\0\0\0\x10", 10) + QByteArray(16, '\0')));
  }

  void opensByContent_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("opens");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("channels");
    QTest::newRow("wav") << "tone.wav" << true << 44100 << 2;
    QTest::newRow("wav mono 22k") << "mono22k.wav" << true << 22050 << 1;
    QTest::newRow("mp3") << "tone.mp3" << true << 44100 << 2;
    QTest::newRow("mp3 vbr") << "vbr.mp3" << true << 44100 << 2;
    QTest::newRow("mp3 named .wav") << "mp3-named.wav" << true << 44100 << 2;
    QTest::newRow("wav named .mp3") << "wav-named.mp3" << true << 44100 << 2;
    QTest::newRow("wav without extension") << "wav-no-extension" << true << 44100 << 2;
    QTest::newRow("text named .wav") << "text.wav" << false << 0 << 0;
    QTest::newRow("text named .mp3") << "text.mp3" << false << 0 << 0;
    QTest::newRow("empty file") << "empty.mp3" << false << 0 << 0;
    QTest::newRow("random bytes") << "noise.mp3" << false << 0 << 0;
    QTest::newRow("truncated RIFF header") << "riff-only.wav" << false << 0 << 0;
    QTest::newRow("ID3 tag and nothing else") << "id3-only.mp3" << false << 0 << 0;
    QTest::newRow("missing file") << "does-not-exist.wav" << false << 0 << 0;
  }
  void opensByContent() {
    QFETCH(QString, file);
    QFETCH(bool, opens);
    QFETCH(int, rate);
    QFETCH(int, channels);
    TMMAudioFile reader;
    bool raised = false;
    try {
      reader.setFileName(path(file));
    } catch (const EMMError& e) {
      raised = true;
      QVERIFY(!e.message().isEmpty());
    }
    QCOMPARE(raised, !opens);
    QCOMPARE(reader.isOpen(), opens);
    QCOMPARE(reader.format().sampleRate, rate);
    QCOMPARE(reader.format().channels, channels);
    QCOMPARE(reader.fileName(), opens ? path(file) : QString());
  }

  void lengthInMilliseconds_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("expectedMs");
    QTest::addColumn<int>("toleranceMs");
    QTest::newRow("wav") << "tone.wav" << 2000 << 0;
    QTest::newRow("wav mono 22k") << "mono22k.wav" << 1500 << 0;
    // An MP3 frame is 26 ms; the encoder pads the last one.
    QTest::newRow("mp3 cbr") << "tone.mp3" << 2000 << 30;
    QTest::newRow("mp3 vbr with header") << "vbr.mp3" << 3000 << 30;
    QTest::newRow("mp3 vbr without header") << "noxing.mp3" << 3000 << 60;
  }
  void lengthInMilliseconds() {
    QFETCH(QString, file);
    QFETCH(int, expectedMs);
    QFETCH(int, toleranceMs);
    TMMAudioFile reader;
    reader.setFileName(path(file));
    // A file without a length header is scanned in the background.
    QTRY_VERIFY(reader.lengthIsExact());
    QVERIFY2(qAbs(reader.length() - expectedMs) <= toleranceMs, qPrintable(QString::number(reader.length())));
    QCOMPARE(reader.position(), 0);
  }

  void emptyNameCloses() {
    TMMAudioFile reader;
    reader.setFileName(path("tone.wav"));
    QVERIFY(reader.isOpen());
    reader.setFileName(QString());
    QVERIFY(!reader.isOpen());
    QCOMPARE(reader.length(), 0);
    QCOMPARE(reader.fileName(), QString());
  }

  void failedOpenClosesThePreviousFile() {
    TMMAudioFile reader;
    reader.setFileName(path("tone.wav"));
    QVERIFY_THROWS_EXCEPTION(EMMError, reader.setFileName(path("text.mp3")));
    QVERIFY(!reader.isOpen());
  }

  void fadeOutWithoutPlayingHasNoEffect() {
    TMMAudioFile reader;
    reader.fadeOut(500);  // nothing open
    reader.setFileName(path("tone.wav"));
    reader.fadeOut(500);  // open but not played
    QCOMPARE(reader.position(), 0);
    QCOMPARE(reader.length(), 2000);
  }

  void closingDuringScanDoesNotWait() {
    // Releasing a reader whose scan has not finished must simply work.
    for (int i = 0; i < 20; ++i) {
      TMMAudioFile reader;
      reader.setFileName(path("noxing.mp3"));
    }
  }
};

QTEST_GUILESS_MAIN(TestAudioFile)
#include "tst_audio_file.moc"
