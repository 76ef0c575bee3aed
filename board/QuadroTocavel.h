#pragma once
// The board as playback sees it: positions, per-button tables, the scroll
// box, the sequence icons, the output settings of the configuration row and
// the rebuild.

#include "board/U_QuadroBotoes.h"
#include "playback/QuadroTocavel.h"

namespace sono::board {

class TQuadroTocavel : public playback::IQuadroTocavel {
 public:
  explicit TQuadroTocavel(TQuadroBotoes& quadro) : quadro_(quadro) {}

  int quantidadeBotoes() const override { return static_cast<int>(quadro_.Botoes.size()); }
  widgets::TRSpeedButton* botao(int i) const override { return valido(i) ? quadro_.Botoes[i].data() : nullptr; }
  int indiceDe(const QObject* o) const override { return quadro_.indiceDe(o); }
  QPointer<widgets::TGauge>& barra(int i) override { return entrada(quadro_.Barras, i); }
  QPointer<TMMAudioFile>& arquivo(int i) override { return entrada(quadro_.Arquivos, i); }
  QPointer<TMMWaveOut>& saida(int i) override { return entrada(quadro_.Saidas, i); }
  QPointer<QTimer>& temporizador(int i) override { return entrada(quadro_.Temporizadores, i); }
  QString loop(int i) const override {
    return i >= 0 && i < quadro_.Linhas.size() ? quadro_.Linhas[i].loop : QString();
  }
  QWidget* caixaRolagem() const override { return quadro_.Sonopaine; }
  widgets::TImageList* imagensSequencia() const override { return quadro_.ImageSeq; }
  int placaSaida() const override;
  int buffersSaida() const override;
  void MontarBotoes() override { quadro_.MontarBotoes(); }

 private:
  bool valido(int i) const { return i >= 0 && i < quadro_.Botoes.size(); }
  // Out of range (a position of a board since rebuilt) gives an empty
  // entry of its own, never another position's.
  template <class T>
  QPointer<T>& entrada(QList<QPointer<T>>& tabela, int i) {
    if (i >= 0 && i < tabela.size()) return tabela[i];
    static thread_local QPointer<T> nenhum;
    nenhum = nullptr;
    return nenhum;
  }

  TQuadroBotoes& quadro_;
};

}  // namespace sono::board
