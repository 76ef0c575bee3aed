#pragma once
// The main window: the top bar (profile list, "Editar Perfil", "Opções" and
// the sequence controls), the board below it, and a hidden panel with the
// window's message labels and language list. The window assembles these;
// the board itself is TQuadroBotoes.

#include "board/QuadroTocavel.h"
#include "board/U_QuadroBotoes.h"
#include "playback/U_TocarBotoes.h"
#include "platform/widgets/DBLookupComboBox.h"
#include "platform/widgets/PngButton.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QMainWindow>
#include <QMenu>
#include <QPointer>

#include <functional>
#include <memory>

namespace sono::skin {
class TSkinData;
}

class TFrmSonopaine : public QMainWindow {
  Q_OBJECT
 public:
  // A window the top bar opens modally: made anew for each opening.
  using FabricaJanela = std::function<std::unique_ptr<QDialog>(QWidget* parent)>;

  // `pastaPrograma` holds the installation (skins, icon libraries); empty
  // takes the data module's folder. `sd1` is the skin component (may be
  // null: no skinning).
  explicit TFrmSonopaine(QWidget* parent = nullptr, const QString& pastaPrograma = {},
                         sono::skin::TSkinData* sd1 = nullptr);
  ~TFrmSonopaine() override;

  void setJanelaOpcoes(FabricaJanela f) { fabricaOpcoes_ = std::move(f); }
  void setJanelaPerfil(FabricaJanela f) { fabricaPerfil_ = std::move(f); }

  sono::board::TQuadroBotoes* quadro() const { return quadro_; }
  // Button playback, the time announcement and the sequences.
  sono::playback::TTocadorBotoes* tocador() const { return tocador_; }
  sono::skin::TSkinData* sd1() const { return sd1_; }
  const QString& pastaPrograma() const { return pasta_; }

  // Event handlers, public so the shell's behaviour can be driven as the
  // toolkit drives it.
  void FormCreate();
  void FormShow();
  void FormResize();
  void FormPaint();
  void FormClose();
  void CBPerfilClick();
  void BEditarPerfilClick();
  void BOpcoesClick();
  // Enables the menu's items for a menu opened over `botao` (null: over
  // the empty board).
  void PopupMenu1Popup(sono::widgets::TRSpeedButton* botao);

  // The button the pop-up menu was last opened over (null: empty board).
  sono::widgets::TRSpeedButton* botaoDoMenu() const { return botaoDoMenu_; }

  // Components by their names.
  QFrame* PPaiPerfil;
  QFrame* PPerfil;
  QLabel* LPerfil;
  sono::widgets::TDBLookupComboBox* CBPerfil;
  QFrame* Panel2;
  sono::widgets::TPNGButton* BEditarPerfil;
  sono::widgets::TPNGButton* BOpcoes;
  QFrame* Panel5;
  QCheckBox* CbSequencia;
  sono::widgets::TPNGButton* BPlaySeq;
  sono::widgets::TPNGButton* BLimpaSeq;
  QFrame* PanelSonopaine;
  QFrame* Panel6;
  QComboBox* CBIdiomas;
  QLabel* lblTocarSequencia;
  QLabel* lblPararSequencia;
  QLabel* lblDesejaRealmenteExcluirEsteBotao;
  QLabel* lblConfirmacao;
  QLabel* lblDigiteNovaPosicaoBotao;
  QLabel* lblPosicaoInformadaInvalida;
  QLabel* lblHaNovaAtualizacaoDisponivelDesejaAtualizarAgora;
  QMenu* PopupMenu1;
  QAction* ExcluirBoto1;
  QAction* AlterarBoto1;
  QAction* AlterarPosio1;
  QAction* AdicionarBoto1;

  // BPlaySeq's pictures: idle, playing, and under the pointer.
  QPixmap imagemPlaySeqNormal;
  QPixmap imagemPlaySeqPressionada;
  QPixmap imagemPlaySeqSobre;

  // Window-wide state.
  bool Fechando = false;
  bool MinutoPendente = false;
  bool SequenciaTocando = false;
  int QtdSequencia = 0;

 protected:
  void showEvent(QShowEvent* e) override;
  void resizeEvent(QResizeEvent* e) override;
  void paintEvent(QPaintEvent* e) override;
  void closeEvent(QCloseEvent* e) override;
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void montarJanela();
  void montarBarraSuperior();
  void montarPainelOculto();
  void montarMenu();
  void montarTocador();
  void ajustarPerfil();
  void reiniciarControlesSequencia();
  QLabel* rotulo(const char* nome, const QString& texto);

  QString pasta_;
  sono::skin::TSkinData* sd1_;
  sono::board::TQuadroBotoes* quadro_ = nullptr;
  std::unique_ptr<sono::board::TQuadroTocavel> quadroTocavel_;
  sono::playback::TTocadorBotoes* tocador_ = nullptr;
  QPointer<sono::widgets::TRSpeedButton> botaoDoMenu_;
  FabricaJanela fabricaOpcoes_;
  FabricaJanela fabricaPerfil_;
  bool mostrada_ = false;
};
