#pragma once
// The main window over a real database whose buttons play through the test
// sound server's default sink, with a clock the test sets.

#include <QCoreApplication>
#include <QDir>
#include <QTime>
#include <memory>

#include "../board/BoardFixture.h"
#include "board/U_Sonopaine.h"
#include "support/audio/TestSoundServer.h"

namespace sono::test {

inline void manterMotorCarregado() { keepEmbeddedEngineLoaded(); }

class Estudio {
 public:
  // The profile "Perfil" with `bs`, played on `dispositivo` (the device
  // number of the configuration row), with buttons of `tamanho` pixels.
  explicit Estudio(const QList<BotaoDemo>& bs, int dispositivo, int largura = 1000, int tamanho = 100) {
    f.addProfile("Perfil", tamanho, bs);
    {
      Peer peer(f.databasePath(), kEmbeddedOnly);
      peer.exec("UPDATE TB_CONFIGURACAO SET CFG_PLACASONOPAINE = " + QByteArray::number(dispositivo) +
                ", CFG_BUFFERSSONOPAINE = 10");
    }
    TDM& dm = f.start();
    w = std::make_unique<TFrmSonopaine>(nullptr, dm.folder(), dm.sd1);
    w->resize(largura, 600);
    w->show();
    QCoreApplication::processEvents();
    w->tocador()->horaCerta().setRelogio([this] { return hora; });
  }
  ~Estudio() { w.reset(); }

  board::TQuadroBotoes& q() const { return *w->quadro(); }
  widgets::TRSpeedButton* b(int i) const { return q().Botoes.value(i); }
  bool ativo(int i) const { return q().Barras.value(i) != nullptr; }
  bool tocando(int i) const {
    TMMWaveOut* s = q().Saidas.value(i);
    return s && s->isPlaying();
  }
  // No position holds a gauge, player or timer.
  bool ocioso() const {
    for (int i = 0; i < q().Botoes.size(); ++i)
      if (q().Barras[i] || q().Saidas[i] || q().Arquivos[i] || q().Temporizadores[i]) return false;
    return true;
  }
  QString horas() const { return QDir(f.path()).filePath(QStringLiteral("Horas")); }

  BoardFixture f;
  std::unique_ptr<TFrmSonopaine> w;
  QTime hora{14, 5, 0};
};

inline BotaoDemo botao(const QByteArray& descricao, const QString& arquivo, const QByteArray& loop = "N",
                       const QByteArray& atalho = {}) {
  BotaoDemo b{descricao, arquivo.toLocal8Bit()};
  b.loop = loop;
  b.atalho = atalho;
  return b;
}

}  // namespace sono::test
