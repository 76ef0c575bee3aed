#pragma once
// What playback needs of the board it plays on and of the window around
// it. The board and the main window implement these; playback never sees
// their classes.

#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QTimer>

#include "platform/audio/AudioFile.h"
#include "platform/audio/WaveOut.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/PngButton.h"
#include "platform/widgets/SpeedButton.h"

class QCheckBox;
class QLabel;
class QWidget;

namespace sono::playback {

// The board: its buttons in board order and, per position, the playback
// entries that are empty while the button is idle.
class IQuadroTocavel {
 public:
  virtual ~IQuadroTocavel() = default;

  virtual int quantidadeBotoes() const = 0;
  virtual widgets::TRSpeedButton* botao(int i) const = 0;
  // Board position of a button, hotkey action or anything a button owns;
  // -1 for anything else.
  virtual int indiceDe(const QObject* o) const = 0;

  virtual QPointer<widgets::TGauge>& barra(int i) = 0;
  virtual QPointer<TMMAudioFile>& arquivo(int i) = 0;
  virtual QPointer<TMMWaveOut>& saida(int i) = 0;
  virtual QPointer<QTimer>& temporizador(int i) = 0;
  // BT_LOOP of the position's row, as kept when the board was built.
  virtual QString loop(int i) const = 0;

  // The scroll box the buttons sit on: it takes the focus on a hotkey.
  virtual QWidget* caixaRolagem() const = 0;
  // The twenty sequence-place icons.
  virtual widgets::TImageList* imagensSequencia() const = 0;

  // The output settings of the configuration row, read at the moment a
  // player is created.
  virtual int placaSaida() const = 0;
  virtual int buffersSaida() const = 0;

  // Rebuilds the board whole (every sound silenced, marks cleared).
  virtual void MontarBotoes() = 0;
};

// The window-wide playback state and the sequence controls of the top bar.
struct TJanelaTocador {
  bool* MinutoPendente = nullptr;
  bool* SequenciaTocando = nullptr;
  int* QtdSequencia = nullptr;
  QCheckBox* CbSequencia = nullptr;
  widgets::TPNGButton* BPlaySeq = nullptr;
  widgets::TPNGButton* BLimpaSeq = nullptr;
  QLabel* lblTocarSequencia = nullptr;
  QLabel* lblPararSequencia = nullptr;
  // BPlaySeq's pressed picture (the two bars) and its hover picture (the
  // play triangle), which take turns as its normal picture.
  QPixmap imagemPressionada;
  QPixmap imagemSobre;
};

}  // namespace sono::playback
