#include "playback/U_TocarBotoes.h"

#include <QCheckBox>
#include <QFileInfo>

#include "platform/audio/AudioFile.h"
#include "platform/audio/WaveOut.h"
#include "platform/files/NetworkPath.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/SpeedButton.h"
#include "playback/U_Tocar.h"

namespace sono::playback {

using widgets::TGauge;
using widgets::TRSpeedButton;

TTocadorBotoes::TTocadorBotoes(IQuadroTocavel& quadro, const TJanelaTocador& janela, const QString& pastaPrograma,
                               QObject* parent)
    : QObject(parent),
      quadro_(quadro),
      janela_(janela),
      hora_(pastaPrograma, janela.MinutoPendente),
      sequencia_(quadro, janela, espera_) {}

TTocadorBotoes::~TTocadorBotoes() {
  // Outputs that outlive this object (their board is destroyed after it)
  // must not call back into it.
  for (int i = 0; i < quadro_.quantidadeBotoes(); ++i) {
    if (TMMWaveOut* s = quadro_.saida(i)) {
      s->setOnStart({});
      s->setOnStop({});
    }
  }
}

void TTocadorBotoes::BotaoClick(QObject* sender) {
  const int i = quadro_.indiceDe(sender);
  TRSpeedButton* botao = quadro_.botao(i);
  if (i < 0 || !botao) return;
  if (janela_.CbSequencia && janela_.CbSequencia->isChecked()) {
    sequencia_.Marcar(botao);
    return;
  }
  if (TGauge* barra = quadro_.barra(i)) {
    if (TMMWaveOut* s = quadro_.saida(i)) s->setLooping(false);
    barra->hide();
    if (TMMAudioFile* a = quadro_.arquivo(i)) a->fadeOut(kFadeMs);
    return;
  }
  IniciarBotao(i, botao);
}

void TTocadorBotoes::ActionExecute(QObject* sender) {
  if (QWidget* caixa = quadro_.caixaRolagem()) caixa->setFocus();
  if (TRSpeedButton* b = quadro_.botao(quadro_.indiceDe(sender))) b->click();
}

void TTocadorBotoes::IniciarBotao(int i, TRSpeedButton* botao) {
  const QString alvo = botao->hint();
  const bool horaCerta = alvo == kHoraCerta;
  // A sibling server's file is reached where its shares are mounted.
  const QString arquivo = horaCerta ? QString() : files::localPath(alvo);
  if (!horaCerta && (arquivo.isEmpty() || !QFileInfo(arquivo).isFile())) return;

  CriarBarra(i, botao);

  auto* leitor = new TMMAudioFile(botao);
  quadro_.arquivo(i) = leitor;
  auto* saida = new TMMWaveOut(botao);
  quadro_.saida(i) = saida;
  saida->setCallBackMode(cmThread);
  saida->setDeviceID(quadro_.placaSaida());
  saida->setNumBuffers(quadro_.buffersSaida());
  saida->setTimeFormat(tfMillisecond);
  // OnStart runs inside start(); OnStop is delivered from the event loop
  // (or inside a start that found no audio). Both on the UI thread.
  saida->setOnStart([this](QObject* o) { SaidaStart(o); });
  saida->setOnStop([this](QObject* o) { SaidaStop(o); });
  leitor->setOutput(saida);

  auto* timer = new QTimer(botao);
  timer->setInterval(kIntervaloMs);
  connect(timer, &QTimer::timeout, this, [this, timer] { TemporizadorTimer(timer); });
  timer->start();
  quadro_.temporizador(i) = timer;

  if (quadro_.loop(i) == QLatin1String("S")) saida->setLooping(true);

  const QPointer<TMMWaveOut> guarda(saida);
  if (!horaCerta) {
    TocarArquivo(arquivo, leitor, saida);
  } else {
    hora_.esquecerMinuto();
    hora_.TocarHoraCerta(leitor, saida);
  }
  // A start that failed without an end of play (not audio, no device, no
  // recording) leaves nothing behind: the button is idle again at once.
  if (guarda && quadro_.saida(i) == saida && !saida->isPlaying()) LiberarPosicao(i);
}

void TTocadorBotoes::CriarBarra(int i, TRSpeedButton* botao) {
  // On the button itself, so it moves and dies with it; clicks on it are
  // the button's.
  auto* g = new TGauge(botao);
  g->setAttribute(Qt::WA_TransparentForMouseEvents);
  g->setGeometry(widgets::gaugeGeometry(QRect(QPoint(0, 0), botao->size())));
  QFont f = g->font();
  f.setPointSize(8);
  g->setFont(f);
  g->show();
  g->raise();
  quadro_.barra(i) = g;
}

void TTocadorBotoes::TemporizadorTimer(QObject* sender) {
  const int i = quadro_.indiceDe(sender);
  if (i < 0) return;
  TMMWaveOut* saida = quadro_.saida(i);
  TMMAudioFile* leitor = quadro_.arquivo(i);
  if (!saida || !saida->isPlaying()) return;
  if (!leitor || !leitor->isOpen()) return;
  TGauge* barra = quadro_.barra(i);
  const qint64 duracao = leitor->length();
  if (!barra || duracao <= 0) return;
  barra->setProgress(qRound(double(leitor->position()) * 100.0 / double(duracao)));
}

void TTocadorBotoes::SaidaStart(QObject* sender) {
  const int i = quadro_.indiceDe(sender);
  if (i < 0) return;
  if (QTimer* t = quadro_.temporizador(i)) t->start();
}

void TTocadorBotoes::SaidaStop(QObject* sender) {
  const int i = quadro_.indiceDe(sender);
  auto* saida = qobject_cast<TMMWaveOut*>(sender);
  // An output already released, or not of this board, is no one's concern.
  if (i < 0 || !saida || quadro_.saida(i) != saida) return;

  if (hora_.minutoPendenteDe(saida)) {
    // TocarHoraCerta clears the flag before the minute starts: that start
    // may hand over to another announcement, whose hour sets it anew.
    hora_.TocarHoraCerta(quadro_.arquivo(i), saida);
    if (quadro_.saida(i) == saida && !saida->isPlaying()) LiberarPosicao(i);
    return;
  }
  if (saida->looping()) return;
  if (!quadro_.temporizador(i)) return;

  TRSpeedButton* botao = quadro_.botao(i);
  LiberarPosicao(i);
  sequencia_.Continuar(botao);
}

void TTocadorBotoes::LiberarPosicao(int i) {
  QPointer<QTimer>& timer = quadro_.temporizador(i);
  QPointer<TMMWaveOut>& saida = quadro_.saida(i);
  QPointer<TMMAudioFile>& leitor = quadro_.arquivo(i);
  QPointer<TGauge>& barra = quadro_.barra(i);
  if (timer) {
    timer->stop();
    timer->deleteLater();
  }
  if (saida) {
    if (hora_.minutoPendenteDe(saida)) hora_.esquecerMinuto();
    saida->setOnStart({});
    saida->setOnStop({});
    saida->close();
    saida->deleteLater();
  }
  if (leitor) leitor->deleteLater();
  if (barra) {
    barra->hide();
    barra->deleteLater();
  }
  timer = nullptr;
  saida = nullptr;
  leitor = nullptr;
  barra = nullptr;
}

void TTocadorBotoes::QuadroMontando() {
  espera_.descartar();
  hora_.esquecerMinuto();
}

}  // namespace sono::playback
