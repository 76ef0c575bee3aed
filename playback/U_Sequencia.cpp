#include "playback/U_Sequencia.h"

#include <QCheckBox>
#include <QLabel>
#include <QList>
#include <QPointer>

#include "platform/widgets/PngButton.h"
#include "platform/widgets/SpeedButton.h"
#include "playback/EsperaModal.h"

namespace sono::playback {

using widgets::TRSpeedButton;

TSequencia::TSequencia(IQuadroTocavel& quadro, const TJanelaTocador& janela, TEsperaModal& espera)
    : quadro_(quadro), janela_(janela), espera_(espera) {}

void TSequencia::Marcar(TRSpeedButton* botao) {
  if (!botao) return;
  int& qtd = *janela_.QtdSequencia;
  if (botao->tag() < 1) {
    botao->setTag(qtd + 1);
    botao->setImages(quadro_.imagensSequencia(), qtd);
    botao->setTransparent(true);
    ++qtd;
  }
  janela_.BPlaySeq->setEnabled(true);
  janela_.BLimpaSeq->setEnabled(true);
}

void TSequencia::clicarLugar(int lugar) {
  // The buttons are collected first: a click may end in a rebuild.
  QList<QPointer<TRSpeedButton>> alvos;
  for (int i = 0; i < quadro_.quantidadeBotoes(); ++i)
    if (TRSpeedButton* b = quadro_.botao(i); b && b->tag() == lugar) alvos.append(b);
  for (const QPointer<TRSpeedButton>& b : alvos)
    if (b) b->click();
}

void TSequencia::BPlaySeqClick() {
  janela_.CbSequencia->setChecked(false);
  bool& tocando = *janela_.SequenciaTocando;
  if (tocando) {
    tocando = false;
    QList<QPointer<TRSpeedButton>> ativos;
    for (int i = 0; i < quadro_.quantidadeBotoes(); ++i)
      if (quadro_.saida(i)) ativos.append(quadro_.botao(i));
    // With marking off a click on a sounding button fades it out.
    for (const QPointer<TRSpeedButton>& b : ativos)
      if (b) b->click();
    janela_.BLimpaSeq->setEnabled(true);
    janela_.BPlaySeq->setImageNormal(janela_.imagemSobre);
    janela_.BPlaySeq->setText(janela_.lblTocarSequencia->text());
    return;
  }
  tocando = true;
  janela_.BLimpaSeq->setEnabled(false);
  clicarLugar(1);
  janela_.BPlaySeq->setImageNormal(janela_.imagemPressionada);
  janela_.BPlaySeq->setText(janela_.lblPararSequencia->text());
}

void TSequencia::BLimpaSeqClick() {
  janela_.CbSequencia->setChecked(false);
  quadro_.MontarBotoes();
  janela_.BPlaySeq->setEnabled(false);
  janela_.BLimpaSeq->setEnabled(false);
}

void TSequencia::Continuar(TRSpeedButton* botao) {
  bool& tocando = *janela_.SequenciaTocando;
  if (!botao || !tocando) return;
  const int lugar = botao->tag();
  if (lugar == *janela_.QtdSequencia) {
    botao->setTag(0);
    // The sequence is over from here on; the rebuild runs from the event
    // loop, because this end may have been reached inside a board button's
    // own click, and the rebuild destroys every board button.
    tocando = false;
    espera_.executarDepois([this] { quadro_.MontarBotoes(); });
    return;
  }
  if (lugar < 1) return;
  espera_.executar([this, lugar] {
    if (*janela_.SequenciaTocando) clicarLugar(lugar + 1);
  });
}

}  // namespace sono::playback
