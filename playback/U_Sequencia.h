#pragma once
// Play sequences: buttons marked, in the order wanted, into numbered places
// and then played one after another, each started when the one before it
// has ended. A sequence lives only on the current board: every rebuild
// ends it and removes the marks.

#include "playback/QuadroTocavel.h"

namespace sono::playback {

class TEsperaModal;

class TSequencia {
 public:
  TSequencia(IQuadroTocavel& quadro, const TJanelaTocador& janela, TEsperaModal& espera);

  // The marking step: an unmarked button takes the next place and shows
  // that place's icon (none above the twentieth); a marked one keeps its
  // place. Never starts or stops a sound.
  void Marcar(widgets::TRSpeedButton* botao);
  void BPlaySeqClick();
  void BLimpaSeqClick();
  // After the ended button `botao` has been released: the next place is
  // pressed, or the board rebuilt after the last one.
  void Continuar(widgets::TRSpeedButton* botao);

 private:
  void clicarLugar(int lugar);

  IQuadroTocavel& quadro_;
  TJanelaTocador janela_;
  TEsperaModal& espera_;
};

}  // namespace sono::playback
