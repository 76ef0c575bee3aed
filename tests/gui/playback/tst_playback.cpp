// A board that plays: clicks and hotkeys start, fade and mark; loops; the
// progress gauges; the time announcement; sequences; rebuilds. Everything
// is heard through the test sound server and checked on its recording.

#include <QDialog>
#include <QTemporaryDir>
#include <QtTest>

#include "PlaybackFixture.h"
#include "platform/pe/PeWriter.h"
#include "platform/widgets/Dialogs.h"
#include "support/audio/MonitorRecorder.h"
#include "support/audio/ToneAnalysis.h"
#include "support/audio/ToneFiles.h"

using namespace sono;
using namespace sono::test;
using widgets::TRSpeedButton;

namespace {

// RMS that counts as sound: the tones are at half of full scale.
constexpr double kSom = 0.02;

// The first moment (ms) from which `freq` sounds clearly for 50 ms; -1.
int inicioDoTom(const ToneAnalysis& a, double freq, int desde = 0) {
  for (int ms = desde; ms + 50 <= a.durationMs(); ms += ToneAnalysis::kWindowMs)
    if (a.toneLevel(freq, ms, ms + 50) > 0.2) return ms;
  return -1;
}

// Whether `freq` sounds clearly anywhere in the recording.
bool ouvido(const ToneAnalysis& a, double freq) { return inicioDoTom(a, freq) >= 0; }

// Twenty place icons in an icon library, so that marking shows them.
bool escreverIconesDeLugar(const QString& arquivo) {
  pe::PeWriter lib;
  for (int i = 0; i < 20; ++i) {
    QImage img(32, 32, QImage::Format_ARGB32);
    img.fill(QColor::fromHsv(i * 17, 200, 200));
    lib.addIconGroup(pe::ResourceName::fromId(quint16(i + 1)), {img});
  }
  return lib.write(arquivo);
}

}  // namespace

class TestPlayback : public QObject {
  Q_OBJECT
 private:
  QTemporaryDir dir_;
  int dispositivo_ = -1;
  QString som(const QString& nome) const { return dir_.filePath(nome); }

  static void clicar(QAbstractButton* b) { QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(10, 10)); }

  // Recordings of the Horas folder, each a tone of its own.
  static void gravacoes(const QString& pasta, const QList<QPair<QString, double>>& arquivos) {
    QDir().mkpath(pasta);
    for (const auto& [nome, freq] : arquivos) {
      const ToneKind kind = nome.endsWith(QLatin1String(".mp3")) ? ToneKind::Mp3Cbr : ToneKind::Wav;
      QVERIFY(writeTone(QDir(pasta).filePath(nome), kind, freq, 0.4));
    }
  }

 private slots:
  void initTestCase() {
    manterMotorCarregado();
    const QString problem = useTestSoundServer();
    if (!problem.isEmpty()) QFAIL(qPrintable(problem));
    dispositivo_ = deviceNumberNamed(kDefaultSink);
    QVERIFY(dispositivo_ >= 0);
    QVERIFY(dir_.isValid());
    QVERIFY(writeTone(som("a440.wav"), ToneKind::Wav, 440, 1.0));
    QVERIFY(writeTone(som("a440.mp3"), ToneKind::Mp3Cbr, 440, 1.0));
    QVERIFY(writeTone(som("e660.wav"), ToneKind::Wav, 660, 1.0));
    QVERIFY(writeTone(som("longo440.wav"), ToneKind::Wav, 440, 4.0));
    QVERIFY(writeTone(som("longo660.wav"), ToneKind::Wav, 660, 4.0));
    QVERIFY(writeTone(som("loop440.wav"), ToneKind::Wav, 440, 0.3));
    QVERIFY(writeTone(som("c440.wav"), ToneKind::Wav, 440, 0.4));
    QVERIFY(writeTone(som("c660.wav"), ToneKind::Wav, 660, 0.4));
    QVERIFY(writeTone(som("c880.wav"), ToneKind::Wav, 880, 0.4));
    QVERIFY(writeTone(som("vazio.wav"), ToneKind::Wav, 440, 0.0));
    QVERIFY(writeFile(som("texto.wav"), "not a sound\n"));
  }

  void clickIsHeardAndEnds_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("wav") << "a440.wav";
    QTest::newRow("mp3") << "a440.mp3";
  }
  void clickIsHeardAndEnds() {
    QFETCH(QString, arquivo);
    Estudio e({botao("Um", som(arquivo))}, dispositivo_);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QVERIFY(e.ativo(0));
    QVERIFY(e.tocando(0));
    widgets::TGauge* g = e.q().Barras[0];
    QCOMPARE(g->geometry(), widgets::gaugeGeometry(QRect(QPoint(0, 0), e.b(0)->size())));
    QVERIFY(g->isVisible());
    QCOMPARE(e.q().Temporizadores[0]->interval(), 30);
    QTRY_VERIFY(g->progress() >= 50);
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSom), last = a.lastSoundMs(kSom);
    QVERIFY2(first >= 0, "nothing was heard");
    QVERIFY2(qAbs(last - first + ToneAnalysis::kWindowMs - 1000) <= 60, qPrintable(QString::number(last - first)));
    QVERIFY(a.toneLevel(440, first + 100, last - 100) > 0.4);
  }

  void secondClickFadesAndThirdStartsAgain() {
    Estudio e({botao("Um", som("longo440.wav"))}, dispositivo_);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QTRY_VERIFY(e.q().Arquivos[0]->position() >= 1000);
    QPointer<TMMAudioFile> primeiro = e.q().Arquivos[0].data();
    clicar(e.b(0));
    QVERIFY(!e.q().Barras[0]->isVisible());  // a stopping button hides its gauge
    QVERIFY(!e.q().Saidas[0]->looping());
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    QTest::qWait(300);
    clicar(e.b(0));
    QVERIFY(e.tocando(0));
    QVERIFY(e.q().Arquivos[0] != primeiro);
    QVERIFY(e.q().Arquivos[0]->position() < 500);  // from the beginning
    QTRY_VERIFY(e.q().Arquivos[0]->position() >= 1000);
    clicar(e.b(0));
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSom);
    QVERIFY(first >= 0);
    // Two sounds of a little over a second each, with silence between.
    const int gap = a.longestGapMs(kSom);
    QVERIFY2(gap >= 200, qPrintable(QString::number(gap)));
    const int last = a.lastSoundMs(kSom);
    QVERIFY2(last - first < 4000, "the fades did not shorten the file");
    int fimPrimeiro = first;
    while (a.windows()[size_t(fimPrimeiro / ToneAnalysis::kWindowMs) + 1] >= kSom)
      fimPrimeiro += ToneAnalysis::kWindowMs;
    QVERIFY2(fimPrimeiro - first < 1000 + 500 + 300, qPrintable(QString::number(fimPrimeiro - first)));
  }

  void fadeNearTheEndEndsAtTheNaturalEnd() {
    Estudio e({botao("Um", som("a440.wav"))}, dispositivo_);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QTRY_VERIFY(e.q().Arquivos[0]->position() >= 800);
    clicar(e.b(0));
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSom), last = a.lastSoundMs(0.005);
    QVERIFY(first >= 0);
    // Not cut at the press (the position leads what is heard), not past the end.
    QVERIFY2(last - first >= 600 && last - first <= 1060, qPrintable(QString::number(last - first)));
  }

  void pressingAFadingButtonRestartsTheFade() {
    Estudio e({botao("Um", som("longo440.wav"))}, dispositivo_);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QTRY_VERIFY(e.q().Arquivos[0]->position() >= 1000);
    const qint64 p1 = e.q().Arquivos[0]->position();
    clicar(e.b(0));
    QTRY_VERIFY(e.q().Arquivos[0] && e.q().Arquivos[0]->position() >= p1 + 300);
    const qint64 p2 = e.q().Arquivos[0]->position();
    clicar(e.b(0));
    QVERIFY(e.ativo(0));
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSom), last = a.lastSoundMs(0.005);
    QVERIFY(first >= 0);
    const int ouvido = last - first;
    // Heard past the first fade's 500 ms, ended within 500 ms of the second press.
    QVERIFY2(ouvido > p1 + 500 && ouvido <= p2 + 500 + 50,
             qPrintable(QStringLiteral("%1 %2 %3").arg(ouvido).arg(p1).arg(p2)));
  }

  void loopFlag_data() {
    QTest::addColumn<QByteArray>("loop");
    QTest::addColumn<bool>("repete");
    QTest::newRow("S repeats") << QByteArray("S") << true;
    QTest::newRow("s plays once") << QByteArray("s") << false;
    QTest::newRow("N plays once") << QByteArray("N") << false;
    QTest::newRow("empty plays once") << QByteArray("") << false;
  }
  void loopFlag() {
    QFETCH(QByteArray, loop);
    QFETCH(bool, repete);
    Estudio e({botao("Um", som("loop440.wav"), loop)}, dispositivo_);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QCOMPARE(e.q().Saidas[0]->looping(), repete);
    QTest::qWait(1500);
    QCOMPARE(e.tocando(0), repete);
    if (repete) {
      QVERIFY(e.ativo(0));
      clicar(e.b(0));
    }
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSom), last = a.lastSoundMs(kSom);
    QVERIFY(first >= 0);
    if (repete) {
      QVERIFY2(last - first >= 1400, qPrintable(QString::number(last - first)));
      QCOMPARE(a.longestGapMs(kSom), 0);
    } else {
      QVERIFY2(last - first <= 360, qPrintable(QString::number(last - first)));
    }
  }

  void twoButtonsSoundTogetherEachWithItsGauge() {
    Estudio e({botao("Um", som("longo440.wav")), botao("Dois", som("longo660.wav"))}, dispositivo_);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    clicar(e.b(1));
    QVERIFY(e.tocando(0) && e.tocando(1));
    QVERIFY(e.q().Barras[0] != e.q().Barras[1]);
    QCOMPARE(e.q().Barras[0]->parentWidget(), e.b(0));
    QCOMPARE(e.q().Barras[1]->parentWidget(), e.b(1));
    QTRY_VERIFY(e.q().Arquivos[1]->position() >= 1200);
    QVERIFY(e.q().Barras[0]->progress() > 0 && e.q().Barras[1]->progress() > 0);
    // Resizing moves the buttons; each gauge stays on its button's lower edge.
    const QRect antes = e.b(1)->geometry();
    e.w->resize(500, 600);
    QCoreApplication::processEvents();
    QVERIFY(e.b(1)->geometry() != antes);
    for (int i : {0, 1}) {
      QCOMPARE(e.q().Barras[i]->geometry(), widgets::gaugeGeometry(QRect(QPoint(0, 0), e.b(i)->size())));
      QVERIFY(e.q().Barras[i]->isVisible());
    }
    clicar(e.b(0));
    clicar(e.b(1));
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int first = a.firstSoundMs(kSom);
    QVERIFY(first >= 0);
    QVERIFY(a.toneLevel(440, first + 200, first + 1000) > 0.3);
    QVERIFY(a.toneLevel(660, first + 200, first + 1000) > 0.3);
  }

  void hotkeyDoesWhatAClickDoes_data() {
    QTest::addColumn<bool>("marcando");
    QTest::newRow("plays and fades") << false;
    QTest::newRow("marks in marking mode") << true;
  }
  void hotkeyDoesWhatAClickDoes() {
    QFETCH(bool, marcando);
    Estudio e({botao("Um", som("c440.wav")), botao("Dois", som("longo660.wav"), "N", "Ctrl+F")}, dispositivo_);
    e.w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(e.w.get()));
    e.w->CbSequencia->setChecked(marcando);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    QTest::keyClick(e.w.get(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(e.q().Sonopaine->hasFocus());
    if (marcando) {
      QVERIFY(!e.ativo(1));
      QCOMPARE(e.b(1)->tag(), 1);
      QCOMPARE(e.w->QtdSequencia, 1);
      QVERIFY(e.w->BPlaySeq->isEnabled());
      QTest::qWait(300);
    } else {
      QVERIFY(e.tocando(1));
      QTRY_VERIFY(e.q().Arquivos[1]->position() >= 800);
      QTest::keyClick(e.w.get(), Qt::Key_F, Qt::ControlModifier);
      QVERIFY(!e.q().Barras[1]->isVisible());
      QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    }
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    QCOMPARE(ouvido(a, 660), !marcando);
    QVERIFY(e.ocioso());
  }

  void failedStartLeavesTheButtonIdle_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::newRow("missing file") << som("falta.wav");
    QTest::newRow("not audio") << som("texto.wav");
    QTest::newRow("no audio data") << som("vazio.wav");
  }
  void failedStartLeavesTheButtonIdle() {
    QFETCH(QString, arquivo);
    dialogs::ScopedResponder r;
    Estudio e({botao("Um", arquivo)}, dispositivo_);
    clicar(e.b(0));
    QVERIFY(e.ocioso());
    QTest::qWait(100);
    QVERIFY(e.ocioso());
    QVERIFY(r.asked().isEmpty());  // playback never shows a message
  }

  void sequencePlaysInOrderThenTheBoardIsRebuilt() {
    // The place icons, so that marking shows them.
    QList<BotaoDemo> bs{botao("A", som("c440.wav")), botao("B", som("c660.wav")), botao("C", som("c880.wav")),
                        botao("Fora", som("longo440.wav"))};
    Estudio e(bs, dispositivo_);
    QVERIFY(escreverIconesDeLugar(e.f.folder.file(QStringLiteral("IconList.dll"))));
    e.q().MontarBotoes();
    QCOMPARE(e.q().ImageSeq->count(), 20);

    e.w->CbSequencia->setChecked(true);
    for (int i : {0, 1, 0, 2}) clicar(e.b(i));  // A twice keeps its first place
    QCOMPARE(e.b(0)->tag(), 1);
    QCOMPARE(e.b(1)->tag(), 2);
    QCOMPARE(e.b(2)->tag(), 3);
    QCOMPARE(e.w->QtdSequencia, 3);
    for (int i : {0, 1, 2}) {
      QCOMPARE(e.b(i)->images(), e.q().ImageSeq);
      QCOMPARE(e.b(i)->imageIndex(), i);
      QVERIFY(e.b(i)->transparent());
    }
    QVERIFY(e.ocioso());
    QVERIFY(e.w->BPlaySeq->isEnabled() && e.w->BLimpaSeq->isEnabled());

    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    QPointer<TRSpeedButton> velho = e.b(0);
    clicar(e.w->BPlaySeq);
    QVERIFY(!e.w->CbSequencia->isChecked());
    QVERIFY(e.w->SequenciaTocando);
    QVERIFY(!e.w->BLimpaSeq->isEnabled());
    QCOMPARE(e.w->BPlaySeq->text(), QStringLiteral("Parar sequência"));
    QCOMPARE(e.w->BPlaySeq->imageNormal().toImage(), e.w->imagemPlaySeqPressionada.toImage());
    QVERIFY(e.tocando(0));
    // A button outside the sequence, played and ended meanwhile, changes nothing.
    QTRY_VERIFY_WITH_TIMEOUT(e.tocando(1), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(velho.isNull(), 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int t440 = inicioDoTom(a, 440), t660 = inicioDoTom(a, 660), t880 = inicioDoTom(a, 880);
    QVERIFY2(t440 >= 0 && t660 > t440 + 300 && t880 > t660 + 300,
             qPrintable(QStringLiteral("%1 %2 %3").arg(t440).arg(t660).arg(t880)));
    // The rebuilt board: no marks, own icons, controls reset.
    QCOMPARE(e.q().Botoes.size(), 4);
    for (int i = 0; i < 4; ++i) {
      QCOMPARE(e.b(i)->tag(), 0);
      QVERIFY(e.b(i)->images() != e.q().ImageSeq);
    }
    QCOMPARE(e.w->QtdSequencia, 0);
    QVERIFY(!e.w->SequenciaTocando);
    QVERIFY(!e.w->BPlaySeq->isEnabled() && !e.w->BLimpaSeq->isEnabled());
    QCOMPARE(e.w->BPlaySeq->text(), QStringLiteral("Tocar sequência"));
    QCOMPARE(e.w->BPlaySeq->imageNormal().toImage(), e.w->imagemPlaySeqSobre.toImage());
    QVERIFY(e.ocioso());
  }

  void placesAboveTwentyHaveAnEmptyGlyph() {
    QList<BotaoDemo> bs;
    for (int i = 0; i < 22; ++i) bs << botao("B" + QByteArray::number(i), som("c440.wav"));
    dialogs::ScopedResponder r;
    Estudio e(bs, dispositivo_);
    QVERIFY(escreverIconesDeLugar(e.f.folder.file(QStringLiteral("IconList.dll"))));
    e.q().MontarBotoes();
    e.w->CbSequencia->setChecked(true);
    for (int i = 0; i < 21; ++i) e.w->tocador()->BotaoClick(e.b(i));
    QVERIFY(e.b(19)->hasGlyph());
    QCOMPARE(e.b(20)->tag(), 21);
    QVERIFY(!e.b(20)->hasGlyph());
    QCOMPARE(e.b(21)->tag(), 0);
    QVERIFY(e.ocioso());
  }

  void stoppingTheSequenceFadesEveryButtonAndKeepsTheMarks() {
    Estudio e({botao("A", som("longo440.wav")), botao("B", som("c660.wav")), botao("Fora", som("longo660.wav"))},
              dispositivo_);
    e.w->CbSequencia->setChecked(true);
    clicar(e.b(0));
    clicar(e.b(1));
    e.w->CbSequencia->setChecked(false);
    clicar(e.w->BPlaySeq);
    clicar(e.b(2));
    QVERIFY(e.tocando(0) && e.tocando(2));
    QTRY_VERIFY(e.q().Arquivos[0]->position() >= 500);
    clicar(e.w->BPlaySeq);
    QVERIFY(!e.w->SequenciaTocando);
    QVERIFY(!e.q().Barras[0]->isVisible() && !e.q().Barras[2]->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    QTest::qWait(200);
    QVERIFY(e.ocioso());  // B was not handed over to
    QCOMPARE(e.b(0)->tag(), 1);
    QCOMPARE(e.b(1)->tag(), 2);
    QVERIFY(e.w->BLimpaSeq->isEnabled() && e.w->BPlaySeq->isEnabled());
    QCOMPARE(e.w->BPlaySeq->text(), QStringLiteral("Tocar sequência"));
    QCOMPARE(e.w->BPlaySeq->imageNormal().toImage(), e.w->imagemPlaySeqSobre.toImage());
    // Started again from place 1; stopped; cleared.
    clicar(e.w->BPlaySeq);
    QVERIFY(e.tocando(0));
    QVERIFY(!e.w->BLimpaSeq->isEnabled());
    clicar(e.w->BPlaySeq);
    clicar(e.w->BLimpaSeq);
    QVERIFY(e.ocioso());
    QCOMPARE(e.b(0)->tag(), 0);
    QVERIFY(!e.w->BLimpaSeq->isEnabled() && !e.w->BPlaySeq->isEnabled());
  }

  void sequenceGoesOnAfterAFadeAndTakesLateMarks() {
    Estudio e({botao("A", som("longo440.wav")), botao("B", som("c660.wav")), botao("C", som("c880.wav"))},
              dispositivo_);
    e.w->CbSequencia->setChecked(true);
    clicar(e.b(0));
    clicar(e.b(1));
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    QPointer<TRSpeedButton> velho = e.b(0);
    clicar(e.w->BPlaySeq);
    // C joins the end of the sequence while it plays.
    e.w->CbSequencia->setChecked(true);
    clicar(e.b(2));
    e.w->CbSequencia->setChecked(false);
    QCOMPARE(e.b(2)->tag(), 3);
    QVERIFY(!e.ativo(2));
    // Pressing the sounding sequence button fades it; its end hands over.
    QTRY_VERIFY(e.q().Arquivos[0]->position() >= 800);
    clicar(e.b(0));
    QTRY_VERIFY_WITH_TIMEOUT(velho.isNull(), 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int t440 = inicioDoTom(a, 440), t660 = inicioDoTom(a, 660), t880 = inicioDoTom(a, 880);
    QVERIFY2(t440 >= 0 && t660 > t440 + 700 && t660 < t440 + 2500 && t880 > t660 + 300,
             qPrintable(QStringLiteral("%1 %2 %3").arg(t440).arg(t660).arg(t880)));
  }

  void deviceIsReadWhenAButtonStarts() {
    const int segundo = deviceNumberNamed(kSecondSink);
    QVERIFY(segundo >= 0);
    Estudio e({botao("Um", som("longo440.wav")), botao("Dois", som("e660.wav"))}, dispositivo_);
    MonitorRecorder recA(kDefaultSink), recB(kSecondSink);
    QVERIFY(recA.start());
    QVERIFY(recB.start());
    clicar(e.b(0));
    fb::FbDataset* cfg = DM->TB_Configuracao;
    cfg->edit();
    cfg->fieldByName(QStringLiteral("CFG_PLACASONOPAINE")).setInteger(segundo);
    cfg->post();
    clicar(e.b(1));
    QCOMPARE(e.q().Saidas[0]->deviceID(), dispositivo_);
    QCOMPARE(e.q().Saidas[1]->deviceID(), segundo);
    QTRY_VERIFY_WITH_TIMEOUT(!e.ativo(1), 5000);
    clicar(e.b(0));
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(recA.stop(), MonitorRecorder::kRate), b(recB.stop(), MonitorRecorder::kRate);
    QVERIFY(ouvido(a, 440));
    QVERIFY(!ouvido(a, 660));
    QVERIFY(ouvido(b, 660));
    QVERIFY(!ouvido(b, 440));
  }

  void sequenceStalls_data() {
    QTest::addColumn<bool>("marcandoNaPassagem");
    QTest::newRow("missing file at place 2") << false;
    QTest::newRow("marking mode on at the hand-over") << true;
  }
  void sequenceStalls() {
    QFETCH(bool, marcandoNaPassagem);
    Estudio e({botao("A", som("c440.wav")), botao("B", marcandoNaPassagem ? som("c660.wav") : som("falta.wav")),
               botao("C", som("c880.wav"))},
              dispositivo_);
    e.w->CbSequencia->setChecked(true);
    for (int i : {0, 1, 2}) clicar(e.b(i));
    clicar(e.w->BPlaySeq);
    QVERIFY(e.tocando(0));
    if (marcandoNaPassagem) e.w->CbSequencia->setChecked(true);
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    QTest::qWait(500);
    QVERIFY(e.ocioso());
    QVERIFY(e.w->SequenciaTocando);
    QCOMPARE(e.w->BPlaySeq->text(), QStringLiteral("Parar sequência"));
    QCOMPARE(e.b(1)->tag(), 2);
    QCOMPARE(e.b(2)->tag(), 3);
  }

  void handOverAndEndWaitForAModalWindow_data() {
    QTest::addColumn<int>("marcados");
    QTest::newRow("hand-over") << 2;
    QTest::newRow("end of the sequence") << 1;
  }
  void handOverAndEndWaitForAModalWindow() {
    QFETCH(int, marcados);
    Estudio e({botao("A", som("c440.wav")), botao("B", som("c660.wav"))}, dispositivo_);
    e.w->CbSequencia->setChecked(true);
    for (int i = 0; i < marcados; ++i) clicar(e.b(i));
    clicar(e.w->BPlaySeq);
    QDialog modal(e.w.get());
    modal.setModal(true);
    modal.show();
    QCOMPARE(QApplication::activeModalWidget(), &modal);
    QPointer<TRSpeedButton> a = e.b(0);
    QTRY_VERIFY_WITH_TIMEOUT(!e.ativo(0), 3000);
    QTest::qWait(300);
    QVERIFY(!a.isNull());  // no rebuild under the modal window
    QVERIFY(e.ocioso());   // and no hand-over
    modal.hide();
    if (marcados == 2) {
      QTRY_VERIFY(e.tocando(1));
      QTRY_VERIFY_WITH_TIMEOUT(a.isNull(), 3000);
    } else {
      QTRY_VERIFY(a.isNull());
    }
    QVERIFY(!e.w->SequenciaTocando);
  }

  void timeAnnouncement_data() {
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<QStringList>("presentes");
    QTest::addColumn<QList<double>>("ouvidos");  // in order
    const QStringList todas{"H14M05.wav", "H14M05.mp3", "H14.wav", "H14.mp3", "M05.wav", "M05.mp3"};
    QTest::newRow("combined wav first") << QTime(14, 5) << todas << QList<double>{1000};
    QTest::newRow("combined mp3") << QTime(14, 5) << QStringList{"H14M05.mp3", "H14.wav", "M05.wav"}
                                  << QList<double>{1100};
    QTest::newRow("hour and minute, wav preferred")
        << QTime(14, 5, 59) << QStringList{"H14.wav", "H14.mp3", "M05.wav", "M05.mp3"} << QList<double>{500, 700};
    QTest::newRow("hour mp3, minute wav")
        << QTime(14, 5) << QStringList{"H14.mp3", "M05.wav"} << QList<double>{550, 700};
    QTest::newRow("hour wav, minute mp3")
        << QTime(14, 5) << QStringList{"H14.wav", "M05.mp3"} << QList<double>{500, 770};
    QTest::newRow("no minute recording") << QTime(14, 5) << QStringList{"H14.wav"} << QList<double>{500};
    QTest::newRow("no hour recording") << QTime(14, 5) << QStringList{"M05.wav"} << QList<double>{};
    QTest::newRow("no Horas folder") << QTime(14, 5) << QStringList{} << QList<double>{};
    QTest::newRow("midnight") << QTime(0, 0) << QStringList{"H00.wav", "M00.wav", "H14.wav"} << QList<double>{500, 700};
    QTest::newRow("other names ignored") << QTime(9, 30) << todas << QList<double>{};
  }
  void timeAnnouncement() {
    QFETCH(QTime, hora);
    QFETCH(QStringList, presentes);
    QFETCH(QList<double>, ouvidos);
    // A missing BT_ARQUIVO does not matter: the time is spoken.
    Estudio e({botao("Hora Certa", som("falta.wav"))}, dispositivo_);
    QList<QPair<QString, double>> arquivos;
    for (const QString& n : presentes) {
      double f = n.startsWith("H") && n.contains("M") ? 1000 : n.startsWith("H") ? 500 : 700;
      if (n.endsWith(".mp3")) f *= 1.1;
      arquivos.append({n, f});
    }
    if (!presentes.isEmpty()) gravacoes(e.horas(), arquivos);
    e.hora = hora;
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QCOMPARE(e.ativo(0), !ouvidos.isEmpty());
    // The clock moves on while the hour is said; the minute of the press is said.
    e.hora = hora.addSecs(60);
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 5000);
    QVERIFY(!e.w->MinutoPendente);
    QTest::qWait(100);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    int desde = 0;
    for (double f : ouvidos) {
      const int t = inicioDoTom(a, f, desde);
      QVERIFY2(t >= 0, qPrintable(QStringLiteral("%1 Hz not heard after %2 ms").arg(f).arg(desde)));
      desde = t + 300;
    }
    for (double f : {500.0, 550.0, 700.0, 770.0, 1000.0, 1100.0})
      if (!ouvidos.contains(f)) QVERIFY2(!ouvido(a, f), qPrintable(QString::number(f)));
    if (ouvidos.isEmpty()) QCOMPARE(a.firstSoundMs(kSom), -1);
  }

  void loopingTimeAnnouncementSaysTheMinuteAfterThePress() {
    Estudio e({botao("HORA CERTA", {}, "S")}, dispositivo_);
    gravacoes(e.horas(), {{"H14.wav", 500}, {"M05.wav", 700}});
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    QTest::qWait(1200);  // three times the hour recording
    QVERIFY(e.tocando(0));
    QVERIFY(e.w->MinutoPendente);
    clicar(e.b(0));
    QTRY_VERIFY_WITH_TIMEOUT(!e.w->MinutoPendente, 3000);
    QVERIFY(e.tocando(0));
    QVERIFY(!e.q().Barras[0]->isVisible());  // the gauge keeps its visibility
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 3000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int hora = inicioDoTom(a, 500), minuto = inicioDoTom(a, 700);
    QVERIFY(hora >= 0);
    QVERIFY2(minuto > hora + 1000, qPrintable(QStringLiteral("%1 %2").arg(hora).arg(minuto)));
  }

  void anotherButtonsEndDoesNotSpeakTheMinute() {
    Estudio e({botao("HORA CERTA", {}), botao("Curto", som("c880.wav"))}, dispositivo_);
    gravacoes(e.horas(), {{"M05.wav", 700}});
    QVERIFY(writeTone(QDir(e.horas()).filePath("H14.wav"), ToneKind::Wav, 500, 1.0));
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    clicar(e.b(0));
    clicar(e.b(1));
    QTRY_VERIFY_WITH_TIMEOUT(!e.ativo(1), 3000);
    QVERIFY(e.w->MinutoPendente);  // still owed to the announcing button
    QTRY_VERIFY_WITH_TIMEOUT(e.ocioso(), 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int hora = inicioDoTom(a, 500), minuto = inicioDoTom(a, 700);
    QVERIFY(hora >= 0);
    QVERIFY2(minuto > hora + 800, qPrintable(QStringLiteral("%1 %2").arg(hora).arg(minuto)));
  }

  void timeAnnouncementInASequenceHandsOverAfterTheMinute() {
    Estudio e({botao("HORA CERTA", {}), botao("Depois", som("c880.wav"))}, dispositivo_);
    gravacoes(e.horas(), {{"H14.wav", 500}, {"M05.wav", 700}});
    e.w->CbSequencia->setChecked(true);
    clicar(e.b(0));
    clicar(e.b(1));
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    QPointer<TRSpeedButton> velho = e.b(0);
    clicar(e.w->BPlaySeq);
    QTRY_VERIFY_WITH_TIMEOUT(velho.isNull(), 5000);
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    const int hora = inicioDoTom(a, 500), minuto = inicioDoTom(a, 700), depois = inicioDoTom(a, 880);
    QVERIFY2(hora >= 0 && minuto > hora + 300 && depois > minuto + 300,
             qPrintable(QStringLiteral("%1 %2 %3").arg(hora).arg(minuto).arg(depois)));
  }

  void rebuildWhilePlayingSilencesWithoutEndOfPlay() {
    Estudio e({botao("A", som("c440.wav")), botao("B", som("c660.wav")), botao("HORA CERTA", {}),
               botao("D", som("longo660.wav"), "S")},
              dispositivo_);
    gravacoes(e.horas(), {{"H14.wav", 500}, {"M05.wav", 700}});
    e.w->CbSequencia->setChecked(true);
    clicar(e.b(0));
    clicar(e.b(1));
    e.w->CbSequencia->setChecked(false);
    clicar(e.w->BPlaySeq);
    clicar(e.b(2));
    clicar(e.b(3));
    QVERIFY(e.tocando(0) && e.tocando(2) && e.tocando(3));
    QVERIFY(e.w->MinutoPendente);
    QList<QPointer<QObject>> vivos;
    for (int i : {0, 2, 3})
      vivos << QPointer<QObject>(e.q().Saidas[i].data()) << QPointer<QObject>(e.q().Arquivos[i].data());
    e.q().MontarBotoes();
    for (const auto& o : vivos) QVERIFY(o.isNull());  // destroyed at once
    QVERIFY(e.ocioso());
    QVERIFY(!e.w->MinutoPendente);
    QVERIFY(!e.w->SequenciaTocando);
    // Past the sound server's own latency, nothing more: A and the hour
    // recording would have ended within this time.
    QTest::qWait(200);
    MonitorRecorder rec(kDefaultSink);
    QVERIFY(rec.start());
    QTest::qWait(800);
    QVERIFY(e.ocioso());  // neither a hand-over nor a minute followed
    const ToneAnalysis a(rec.stop(), MonitorRecorder::kRate);
    QVERIFY2(a.firstSoundMs(kSom) < 0, "something sounded after the rebuild");
  }
};

QTEST_MAIN(TestPlayback)
#include "tst_playback.moc"
