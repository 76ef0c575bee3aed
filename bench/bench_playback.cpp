// Press-to-first-frame latency of a board button on the main window over a
// real database and the test sound server (start it first:
// scripts/services/sound-server start, with SONO_TEST_RUNTIME set): the time
// from BotaoClick to its return, by which the first buffer of the file has
// been handed to the device. p50 and p99 over a few hundred presses, for a
// WAV and an MP3 file, alone and with 30 other buttons sounding.
//   bench_playback [presses]      (default 300)

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "gui/playback/PlaybackFixture.h"
#include "support/audio/ToneFiles.h"

using namespace sono;
using namespace sono::test;

namespace {

constexpr int kRodizio = 6;  // buttons pressed in turn, so one may end while the next is pressed
constexpr int kOutros = 30;

double percentil(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  return v[std::min(v.size() - 1, size_t(p * double(v.size() - 1) + 0.5))];
}

bool esperarOcioso(Estudio& e, int i) {
  QElapsedTimer t;
  t.start();
  while (e.ativo(i)) {
    if (t.elapsed() > 5000) return false;
    QTest::qWait(2);
  }
  return true;
}

void medir(Estudio& e, const char* rotulo, int primeiro, int prensas) {
  std::vector<double> ms;
  ms.reserve(size_t(prensas));
  for (int n = 0; n < prensas; ++n) {
    const int i = primeiro + n % kRodizio;
    if (!esperarOcioso(e, i)) {
      std::printf("%-36s a button did not end\n", rotulo);
      return;
    }
    QElapsedTimer t;
    t.start();
    e.w->tocador()->BotaoClick(e.b(i));
    const double d = double(t.nsecsElapsed()) / 1e6;
    if (!e.tocando(i)) {
      std::printf("%-36s could not play\n", rotulo);
      return;
    }
    ms.push_back(d);
    QCoreApplication::processEvents();
  }
  std::printf("%-36s p50 %6.2f ms   p99 %6.2f ms   max %6.2f ms   (%d presses)\n", rotulo, percentil(ms, 0.5),
              percentil(ms, 0.99), *std::max_element(ms.begin(), ms.end()), prensas);
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const int prensas = argc > 1 ? std::max(10, atoi(argv[1])) : 300;
  const QString problem = useTestSoundServer();
  if (!problem.isEmpty()) {
    std::fprintf(stderr, "%s\n", qPrintable(problem));
    return 1;
  }
  QTemporaryDir dir;
  const QString wav = dir.filePath("curto.wav"), mp3 = dir.filePath("curto.mp3"), fundo = dir.filePath("fundo.wav");
  if (!writeTone(wav, ToneKind::Wav, 440, 0.1) || !writeTone(mp3, ToneKind::Mp3Cbr, 440, 0.1) ||
      !writeTone(fundo, ToneKind::Wav, 220, 2.0, 0.01)) {
    std::fprintf(stderr, "could not write the test sounds\n");
    return 1;
  }
  QList<BotaoDemo> bs;
  for (int i = 0; i < kRodizio; ++i) bs << botao("WAV " + QByteArray::number(i), wav);
  for (int i = 0; i < kRodizio; ++i) bs << botao("MP3 " + QByteArray::number(i), mp3);
  for (int i = 0; i < kOutros; ++i) bs << botao("Fundo " + QByteArray::number(i), fundo, "S");
  Estudio e(bs, deviceNumberNamed(kDefaultSink), 1200);

  // The first output opened on a fresh server is slower; not a press figure.
  e.w->tocador()->BotaoClick(e.b(0));
  esperarOcioso(e, 0);

  medir(e, "WAV", 0, prensas);
  medir(e, "MP3", kRodizio, prensas);
  for (int i = 0; i < kOutros; ++i) e.w->tocador()->BotaoClick(e.b(2 * kRodizio + i));
  int sons = 0;
  for (int i = 0; i < kOutros; ++i) sons += e.tocando(2 * kRodizio + i);
  std::printf("(%d other buttons sounding)\n", sons);
  medir(e, "WAV, 30 others sounding", 0, prensas);
  medir(e, "MP3, 30 others sounding", kRodizio, prensas);
  e.q().MontarBotoes();
  return 0;
}
