#pragma once
// What a board button does when it is pressed, by mouse or by hotkey:
// start its file, stop it with a short fade, or (in marking mode) mark it
// into the play sequence; the progress gauge and its 30 ms timer; looping;
// and what happens when a button's playback has ended.
//
// Everything here runs on the UI thread: clicks, hotkeys, timer ticks and
// both notifications of the outputs.

#include <QObject>

#include "playback/EsperaModal.h"
#include "playback/QuadroTocavel.h"
#include "playback/U_HoraCerta.h"
#include "playback/U_Sequencia.h"

namespace sono::playback {

class TTocadorBotoes : public QObject {
  Q_OBJECT
 public:
  // The marker a time-announcement button carries instead of a file.
  static inline const QString kHoraCerta = QStringLiteral("HORA CERTA");
  static constexpr int kFadeMs = 500;
  static constexpr int kIntervaloMs = 30;

  TTocadorBotoes(IQuadroTocavel& quadro, const TJanelaTocador& janela, const QString& pastaPrograma,
                 QObject* parent = nullptr);
  ~TTocadorBotoes() override;

  void BotaoClick(QObject* sender);
  void ActionExecute(QObject* sender);
  void IniciarBotao(int i, widgets::TRSpeedButton* botao);
  void CriarBarra(int i, widgets::TRSpeedButton* botao);
  void TemporizadorTimer(QObject* sender);
  void SaidaStart(QObject* sender);
  void SaidaStop(QObject* sender);
  void BPlaySeqClick() { sequencia_.BPlaySeqClick(); }
  void BLimpaSeqClick() { sequencia_.BLimpaSeqClick(); }

  // The board is about to be rebuilt: whatever waited for it is dropped.
  void QuadroMontando();

  THoraCerta& horaCerta() { return hora_; }
  TSequencia& sequencia() { return sequencia_; }
  TEsperaModal& esperaModal() { return espera_; }

 private:
  // Releases the gauge, timer, reader and output of position i at once;
  // the objects themselves go from the event loop, as the output may still
  // be inside its own processing.
  void LiberarPosicao(int i);

  IQuadroTocavel& quadro_;
  TJanelaTocador janela_;
  TEsperaModal espera_;
  THoraCerta hora_;
  TSequencia sequencia_;
};

}  // namespace sono::playback
