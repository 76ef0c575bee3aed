// Many thousands of random presses, hotkeys, sequence commands, profile
// switches and rebuilds against short sounds, on the real sound server.
// Run under the address and thread sanitizer builds as well: it must end
// with every position idle, no player left and no thread left behind (the
// leak check runs at exit).
//   SONO_STRESS_OPS  number of operations (default 10000)
//   SONO_STRESS_SEED random seed (default fixed, printed)

#include <QDialog>
#include <QRandomGenerator>
#include <QtTest>

#include "PlaybackFixture.h"
#include "platform/widgets/Dialogs.h"
#include "support/audio/ToneFiles.h"

using namespace sono;
using namespace sono::test;

namespace {

int threadCount() {
  return int(QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size());
}

int envInt(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok ? v : fallback;
}

}  // namespace

class TestPlaybackStress : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  QString som(const QString& nome) const { return dir_.filePath(nome); }

 private slots:
  void initTestCase() {
    manterMotorCarregado();
    const QString problem = useTestSoundServer();
    if (!problem.isEmpty()) QFAIL(qPrintable(problem));
    QVERIFY(dir_.isValid());
    QVERIFY(writeTone(som("t1.wav"), ToneKind::Wav, 440, 0.05));
    QVERIFY(writeTone(som("t2.wav"), ToneKind::Wav, 550, 0.12));
    QVERIFY(writeTone(som("t3.mp3"), ToneKind::Mp3Cbr, 660, 0.1));
    QVERIFY(writeTone(som("t4.wav"), ToneKind::Wav, 770, 0.2, 0.5, 22050, 1));
    QVERIFY(writeTone(som("vazio.wav"), ToneKind::Wav, 440, 0.0));
    QVERIFY(writeFile(som("texto.wav"), "not a sound\n"));
  }

  void randomOperations() {
    const int ops = envInt("SONO_STRESS_OPS", 10000);
    const quint32 seed = quint32(envInt("SONO_STRESS_SEED", 20261211));
    qInfo("stress: %d operations, seed %u", ops, seed);
    QRandomGenerator rnd(seed);
    dialogs::ScopedResponder r;

    QList<BotaoDemo> bs{botao("Um", som("t1.wav"), "N", "F1"),   botao("Dois", som("t2.wav"), "N", "F2"),
                        botao("Tres", som("t3.mp3"), "S", "F3"), botao("Quatro", som("t4.wav"), "N", "F4"),
                        botao("HORA CERTA", {}, "N", "F5"),      botao("Hora certa", {}, "S", "F6"),
                        botao("Falta", som("falta.wav")),        botao("Vazio", som("vazio.wav")),
                        botao("Texto", som("texto.wav")),        botao("Cinco", som("t1.wav"), "s")};
    Estudio e(bs, deviceNumberNamed(kDefaultSink), 900);
    e.f.addProfile("Outro", 80, {botao("A", som("t2.wav")), botao("B", som("t3.mp3"), "S")});
    QDir().mkpath(e.horas());
    QVERIFY(writeTone(QDir(e.horas()).filePath("H14.wav"), ToneKind::Wav, 500, 0.06));
    QVERIFY(writeTone(QDir(e.horas()).filePath("M05.mp3"), ToneKind::Mp3Cbr, 700, 0.06));
    QVERIFY(writeTone(QDir(e.horas()).filePath("H09M30.wav"), ToneKind::Wav, 900, 0.06));
    // Both profiles listed (the second was added after the data module opened).
    e.w.reset();
    e.f.stop();
    TDM& dm = e.f.start();
    e.w = std::make_unique<TFrmSonopaine>(nullptr, dm.folder(), dm.sd1);
    e.w->resize(900, 600);
    e.w->show();
    QCoreApplication::processEvents();
    e.w->tocador()->horaCerta().setRelogio([&e] { return e.hora; });
    QCOMPARE(e.w->CBPerfil->count(), 2);

    // The audio stack's own threads exist once a first sound has played.
    e.w->tocador()->BotaoClick(e.b(0));
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 5000);
    QTest::qWait(200);
    const int threadsBefore = threadCount();

    QDialog modal(e.w.get());
    modal.setModal(true);
    int arranques = 0;
    for (int n = 0; n < ops; ++n) {
      const int count = int(e.q().Botoes.size());
      const int i = count > 0 ? int(rnd.bounded(count)) : -1;
      const quint32 op = rnd.bounded(100);
      if (op < 45) {
        if (i >= 0) {
          if (!e.ativo(i)) ++arranques;
          e.b(i)->click();
        }
      } else if (op < 60) {
        if (QAction* a = e.q().AL->action(i)) a->trigger();
      } else if (op < 66) {
        e.w->CbSequencia->setChecked(!e.w->CbSequencia->isChecked());
      } else if (op < 74) {
        if (e.w->BPlaySeq->isEnabled()) e.w->BPlaySeq->click();
      } else if (op < 77) {
        if (e.w->BLimpaSeq->isEnabled()) e.w->BLimpaSeq->click();
      } else if (op < 80) {
        const int p = int(rnd.bounded(e.w->CBPerfil->count()));
        e.w->CBPerfil->setCurrentIndex(p);
        emit e.w->CBPerfil->activated(p);
      } else if (op < 82) {
        e.q().MontarBotoes();
      } else if (op < 84) {
        if (modal.isVisible())
          modal.hide();
        else
          modal.show();
      } else if (op < 86) {
        e.hora = rnd.bounded(2) ? QTime(14, 5) : QTime(9, 30);
      } else if (op < 88) {
        e.w->resize(600 + int(rnd.bounded(600)), 600);
      } else {
        QTest::qWait(int(rnd.bounded(40)));
      }
      QCoreApplication::processEvents();
    }
    modal.hide();
    qInfo("stress: %d presses of idle buttons", arranques);

    // Let what sounds end by itself; loops and stalls are ended by a rebuild.
    QTest::qWait(500);
    e.q().MontarBotoes();
    QVERIFY(e.ocioso());
    QVERIFY(!e.w->MinutoPendente);
    QCOMPARE(e.w->tocador()->esperaModal().pendentes(), 0);
    // Every released player goes from the event loop.
    QTRY_COMPARE_WITH_TIMEOUT(e.w->findChildren<TMMWaveOut*>().size(), qsizetype(0), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(e.w->findChildren<TMMAudioFile*>().size(), qsizetype(0), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(threadCount() <= threadsBefore, 10000);
    QVERIFY(r.asked().isEmpty());
  }
};

QTEST_MAIN(TestPlaybackStress)
#include "tst_playback_stress.moc"
