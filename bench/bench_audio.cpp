// Figures of the audio engine on the test sound server (start it first:
// scripts/services/sound-server start, with SONO_TEST_RUNTIME set):
//  - time from TocarArquivo to the first buffer handed to the device
//    (TocarArquivo returns right after it), for short and long files;
//  - CPU per sounding player, and 32/64 players at once, with underruns;
//  - memory per player of a 60-minute file.
#include <sys/resource.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

#include "platform/audio/AudioFile.h"
#include "platform/audio/WaveOut.h"
#include "playback/U_Tocar.h"
#include "support/audio/TestSoundServer.h"
#include "support/audio/ToneFiles.h"

using namespace sono::test;

namespace {

struct Player {
  std::unique_ptr<QObject> owner = std::make_unique<QObject>();
  TMMAudioFile* reader = new TMMAudioFile(owner.get());
  TMMWaveOut* output = new TMMWaveOut(owner.get());
  Player() {
    output->setDeviceID(-1);
    reader->setOutput(output);
  }
};

double cpuSeconds() {
  rusage u{};
  getrusage(RUSAGE_SELF, &u);
  return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) + double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

long rssKiB() {
  QFile f(QStringLiteral("/proc/self/statm"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QList<QByteArray> parts = f.readAll().split(' ');
  return parts.size() > 1 ? parts[1].toLong() * 4 : 0;
}

// A long MP3 without any length header, made of copies of one minute.
bool writeLongMp3(const QString& path, const QString& minute, int minutes) {
  QFile in(minute);
  if (!in.open(QIODevice::ReadOnly)) return false;
  const QByteArray one = in.readAll();
  QFile out(path);
  if (!out.open(QIODevice::WriteOnly)) return false;
  for (int i = 0; i < minutes; ++i) out.write(one);
  return true;
}

void firstFrame(const QString& label, const QString& file) {
  std::vector<double> open, total;
  for (int i = 0; i < 15; ++i) {
    Player p;
    QElapsedTimer t;
    t.start();
    p.reader->setFileName(file);
    const double openMs = double(t.nsecsElapsed()) / 1e6;
    p.reader->setFileName(QString());
    t.restart();
    const bool ok = TocarArquivo(file, p.reader, p.output);
    const double ms = double(t.nsecsElapsed()) / 1e6;
    if (!ok) {
      std::printf("%-28s could not play\n", qPrintable(label));
      return;
    }
    open.push_back(openMs);
    total.push_back(ms);
    QTest::qWait(20);
  }
  // The same on an output whose device is already open (as for the minute
  // part of the time announcement): reading and handing over only.
  // Split into the load (closing the previous file, opening this one) and
  // the start (reading and handing over the first buffer).
  std::vector<double> reopen, load, start;
  {
    Player p;
    for (int i = 0; i < 15; ++i) {
      p.output->stop();  // the device stays open
      QTest::qWait(20);
      QElapsedTimer t;
      t.start();
      CarregarArquivo(file, p.reader);
      const double loaded = double(t.nsecsElapsed()) / 1e6;
      p.output->start();
      const double ms = double(t.nsecsElapsed()) / 1e6;
      load.push_back(loaded);
      start.push_back(ms - loaded);
      reopen.push_back(ms);
    }
  }
  std::sort(load.begin(), load.end());
  std::sort(start.begin(), start.end());
  std::sort(open.begin(), open.end());
  std::sort(total.begin(), total.end());
  std::sort(reopen.begin(), reopen.end());
  std::printf(
      "%-24s open %.3f ms | TocarArquivo→first buffer: %.2f ms with device open"
      " (max %.2f), %.2f ms on an open device (load %.2f + start %.2f; medians of 15)\n",
      qPrintable(label), open[open.size() / 2], total[total.size() / 2], total.back(), reopen[reopen.size() / 2],
      load[load.size() / 2], start[start.size() / 2]);
}

void cpuLoad(const QString& label, const QString& file, int count) {
  std::vector<std::unique_ptr<Player>> players;
  for (int i = 0; i < count; ++i) {
    auto p = std::make_unique<Player>();
    p->output->setLooping(true);
    if (!TocarArquivo(file, p->reader, p->output)) {
      // PulseAudio takes at most 64 client connections, and each ALSA
      // stream is one: the rest is measured with the players that started.
      std::printf("%-10s x%-3d start %d failed, measuring %d\n", qPrintable(label), count, i + 1, i);
      break;
    }
    players.push_back(std::move(p));
  }
  QTest::qWait(500);  // settle
  int under0 = 0;
  for (auto& p : players) under0 += p->output->underruns();
  const double c0 = cpuSeconds();
  QElapsedTimer t;
  t.start();
  QTest::qWait(5000);
  const double cpu = cpuSeconds() - c0, wall = double(t.elapsed()) / 1000;
  int under = -under0, playing = 0;
  for (auto& p : players) {
    under += p->output->underruns();
    playing += p->output->isPlaying();
  }
  const int n = int(players.size());
  std::printf("%-10s x%-3d CPU %5.1f %% of one core (%.2f %% per player), underruns %d, playing %d\n",
              qPrintable(label), n, 100 * cpu / wall, 100 * cpu / wall / std::max(n, 1), under, playing);
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QString problem = useTestSoundServer();
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(problem));
    return 1;
  }
  QTemporaryDir dir;
  const QString wav3 = dir.filePath("3s.wav"), mp33 = dir.filePath("3s.mp3");
  const QString minute = dir.filePath("minute.mp3"), hour = dir.filePath("60min.mp3");
  if (!writeTone(wav3, ToneKind::Wav, 440, 3) || !writeTone(mp33, ToneKind::Mp3Cbr, 440, 3) ||
      !writeTone(minute, ToneKind::Mp3Cbr, 440, 60) || !stripXingFrame(minute) || !writeLongMp3(hour, minute, 60)) {
    std::fprintf(stderr, "cannot write the test files\n");
    return 1;
  }
  {  // warm up PortAudio and the server connection
    Player p;
    TocarArquivo(wav3, p.reader, p.output);
  }

  firstFrame("3 s WAV", wav3);
  firstFrame("3 s MP3", mp33);
  firstFrame("60 min MP3 (no header)", hour);

  {
    const long before = rssKiB();
    std::vector<std::unique_ptr<Player>> players;
    for (int i = 0; i < 10; ++i) {
      players.push_back(std::make_unique<Player>());
      TocarArquivo(hour, players.back()->reader, players.back()->output);
    }
    QTest::qWait(2000);
    std::printf("memory per player of a 60 min MP3: %ld KiB (10 players, after 2 s)\n", (rssKiB() - before) / 10);
    TMMAudioFile probe;
    probe.setFileName(hour);
    QTest::qWait(3000);
    std::printf("60 min MP3 length after the background scan: %lld ms (exact: %s)\n", probe.length(),
                probe.lengthIsExact() ? "yes" : "no");
  }

  for (int n : {1, 32, 64}) cpuLoad("MP3", mp33, n);
  for (int n : {1, 32, 64}) cpuLoad("WAV", wav3, n);
  return 0;
}
