#pragma once
// The button board: the grid of square buttons of the current profile, its
// image lists, its hotkey actions and the per-button tables. MontarBotoes
// rebuilds it whole from the database; PosicionarBotoes re-flows it.
//
// A board button's index (0 = first, in the order of the button query) is
// its place in every table here, the index of its action in AL and, plus
// one, its row's record number in Q_Sonopaine.

#include "platform/audio/AudioFile.h"
#include "platform/audio/WaveOut.h"
#include "platform/widgets/ActionList.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/SpeedButton.h"

#include <QImage>
#include <QKeyCombination>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QScrollArea>
#include <QTimer>

#include <functional>

namespace sono::skin {
class TSkinData;
}

namespace sono::board {

// What the board keeps of each button's row besides the button itself.
struct TLinhaBotao {
  int codigo = 0;  // BT_CODIGO
  QString loop;    // BT_LOOP as stored ("S" loops)
};

class TQuadroBotoes : public QObject {
  Q_OBJECT
 public:
  // The icon at `indice` of an icon library, program or icon file; a null
  // image when there is none.
  using FonteIcones = std::function<QImage(const QString& arquivo, int indice)>;
  // The key combination a hotkey text names; a combination without a key
  // when it names none.
  using LeitorAtalho = std::function<QKeyCombination(const QString& texto)>;

  // The board fills `painel` (PanelSonopaine); its hotkeys work while
  // `painel`'s window is active. `pastaPrograma` is where IconList.dll is.
  TQuadroBotoes(QWidget* painel, const QString& pastaPrograma, QObject* parent = nullptr);
  ~TQuadroBotoes() override;

  void setFonteIcones(FonteIcones f) { fonteIcones_ = std::move(f); }
  void setLeitorAtalho(LeitorAtalho f) { leitorAtalho_ = std::move(f); }
  void setSkin(skin::TSkinData* sd) { sd1_ = sd; }

  // Rebuilds the board for the current row of DS_PerfilBotoes. While a
  // button row is being edited or inserted the rebuild waits until the
  // edit has ended, so the editor's row is never closed under it. The old
  // buttons are destroyed at once: a rebuild asked for from inside a board
  // button's own click must be queued, not run in it.
  void MontarBotoes();
  // Lays out every button (and the gauge of a sounding one) in `colunas`
  // columns (fewer than 1 counts as 1).
  void PosicionarBotoes(int colunas);
  // The column count for the board's present width and the current
  // profile's button size.
  int colunasAtuais() const;

  // Board index of a button, action, gauge, timer or other object owned by
  // a button; -1 for anything else.
  int indiceDe(const QObject* o) const;
  bool montagemPendente() const { return pendente_; }

  QWidget* const PanelSonopaine;
  // Both made anew by every rebuild.
  QPointer<QScrollArea> Sonopaine;
  QPointer<QWidget> PFundo;
  widgets::TImageList* const ImageBotoes;
  widgets::TImageList* const ImageSeq;
  widgets::TActionList* const AL;

  // One entry per board button. The playback entries are empty while the
  // button is idle and clear themselves when their object is destroyed.
  QList<QPointer<widgets::TRSpeedButton>> Botoes;
  QList<QPointer<widgets::TGauge>> Barras;
  QList<QPointer<TMMAudioFile>> Arquivos;
  QList<QPointer<TMMWaveOut>> Saidas;
  QList<QPointer<QTimer>> Temporizadores;
  QList<TLinhaBotao> Linhas;

 signals:
  // Start and end of a rebuild: the sequence state is cleared at the start,
  // the sequence controls reset at the end.
  void montando();
  void montado();
  // A board button was clicked (or clicked by code).
  void botaoClicado(widgets::TRSpeedButton* botao);
  // A hotkey action ran.
  void acaoExecutada(QAction* acao);
  // The pop-up menu is asked for at `global`, over `botao` or (null) over
  // the empty board.
  void popupSolicitado(widgets::TRSpeedButton* botao, QPoint global);

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void CriarBotao(int i, int colunas);
  void CarregarIconesSequencia();
  int AdicionarIcone(const QString& arquivo, int indice, widgets::TImageList* lista);
  void PrepararTabelasBotoes(int n);
  void destruirQuadro();
  void criarQuadro();
  int larguraQuadro() const;
  int tamanhoPerfil() const;
  void ajustarAoPainel();

  QPointer<QWidget> painel_;  // the panel may go first when its window is torn down
  QString pastaPrograma_;
  FonteIcones fonteIcones_;
  LeitorAtalho leitorAtalho_;
  skin::TSkinData* sd1_ = nullptr;
  QWidget* conteudo_ = nullptr;  // the scroll box's content: parent of the buttons
  bool pendente_ = false;
  bool montando_ = false;
};

}  // namespace sono::board
