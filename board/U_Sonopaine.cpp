#include "board/U_Sonopaine.h"

#include "app/data/DM_Sonopaine.h"
#include "board/IdiomaInicial.h"
#include "board/Pictures.h"
#include "board/SystemServices.h"
#include "platform/skin/SkinData.h"
#include "platform/text/FileLookup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QVBoxLayout>

using sono::board::TQuadroBotoes;
using sono::widgets::TPNGButton;
using sono::widgets::TRSpeedButton;

namespace {

QFrame* painel(QWidget* parent, const char* nome, bool rebaixado) {
  auto* f = new QFrame(parent);
  f->setObjectName(QLatin1String(nome));
  if (rebaixado) {
    f->setFrameShape(QFrame::StyledPanel);
    f->setFrameShadow(QFrame::Sunken);
    f->setLineWidth(2);
  }
  return f;
}

TPNGButton* botaoImagem(QWidget* parent, const char* nome, const QString& texto, const QPixmap& imagem,
                        const QRect& geometria) {
  auto* b = new TPNGButton(parent);
  b->setObjectName(QLatin1String(nome));
  b->setText(texto);
  b->setImageNormal(imagem);
  b->setGeometry(geometria);
  return b;
}

}  // namespace

TFrmSonopaine::TFrmSonopaine(QWidget* parent, const QString& pastaPrograma, sono::skin::TSkinData* sd1)
    : QMainWindow(parent),
      pasta_(!pastaPrograma.isEmpty() ? pastaPrograma
             : DM                     ? DM->folder()
                                      : QCoreApplication::applicationDirPath()),
      sd1_(sd1) {
  setObjectName(QStringLiteral("FrmSonopaine"));
  setWindowTitle(QStringLiteral("Kyrel Sonopaine 2015"));
  resize(800, 500);
  QFont f(QStringLiteral("MS Sans Serif"));
  f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
  f.setPixelSize(11);
  setFont(f);
  montarJanela();
  FormCreate();
}

TFrmSonopaine::~TFrmSonopaine() {
  Fechando = true;
  // Playback first, so no output of the board calls back into it; then the
  // board before the panels it lives on.
  delete tocador_;
  delete quadro_;
}

void TFrmSonopaine::montarJanela() {
  auto* centro = new QWidget(this);
  centro->setObjectName(QStringLiteral("Centro"));
  auto* v = new QVBoxLayout(centro);
  v->setContentsMargins(0, 0, 0, 0);
  v->setSpacing(0);

  montarBarraSuperior();
  v->addWidget(PPaiPerfil);
  PanelSonopaine = painel(centro, "PanelSonopaine", true);
  v->addWidget(PanelSonopaine, 1);
  setCentralWidget(centro);

  montarPainelOculto();
  montarMenu();

  quadro_ = new TQuadroBotoes(PanelSonopaine, pasta_, this);
  quadro_->setObjectName(QStringLiteral("Quadro"));
  quadro_->setSkin(sd1_);
  quadro_->setFonteIcones(sono::board::fonteIconesDoSistema());
  quadro_->setLeitorAtalho(sono::board::leitorAtalhoDoSistema());
  montarTocador();
  connect(quadro_, &TQuadroBotoes::montando, this, [this] {
    QtdSequencia = 0;
    tocador_->QuadroMontando();
  });
  connect(quadro_, &TQuadroBotoes::montado, this, &TFrmSonopaine::reiniciarControlesSequencia);
  connect(quadro_, &TQuadroBotoes::popupSolicitado, this, [this](TRSpeedButton* b, QPoint global) {
    PopupMenu1Popup(b);
    PopupMenu1->popup(global);
  });
}

void TFrmSonopaine::montarTocador() {
  quadroTocavel_ = std::make_unique<sono::board::TQuadroTocavel>(*quadro_);
  sono::playback::TJanelaTocador janela;
  janela.MinutoPendente = &MinutoPendente;
  janela.SequenciaTocando = &SequenciaTocando;
  janela.QtdSequencia = &QtdSequencia;
  janela.CbSequencia = CbSequencia;
  janela.BPlaySeq = BPlaySeq;
  janela.BLimpaSeq = BLimpaSeq;
  janela.lblTocarSequencia = lblTocarSequencia;
  janela.lblPararSequencia = lblPararSequencia;
  janela.imagemPressionada = imagemPlaySeqPressionada;
  janela.imagemSobre = imagemPlaySeqSobre;
  tocador_ = new sono::playback::TTocadorBotoes(*quadroTocavel_, janela, pasta_, this);
  tocador_->setObjectName(QStringLiteral("Tocador"));
  connect(quadro_, &TQuadroBotoes::botaoClicado, tocador_,
          [this](TRSpeedButton* b) { tocador_->BotaoClick(b); });
  connect(quadro_, &TQuadroBotoes::acaoExecutada, tocador_, [this](QAction* a) { tocador_->ActionExecute(a); });
  connect(BPlaySeq, &QAbstractButton::clicked, tocador_, [this] { tocador_->BPlaySeqClick(); });
  connect(BLimpaSeq, &QAbstractButton::clicked, tocador_, [this] { tocador_->BLimpaSeqClick(); });
}

void TFrmSonopaine::montarBarraSuperior() {
  PPaiPerfil = painel(this, "PPaiPerfil", false);
  PPaiPerfil->setFixedHeight(34);
  auto* h = new QHBoxLayout(PPaiPerfil);
  h->setContentsMargins(0, 0, 0, 0);
  h->setSpacing(0);

  PPerfil = painel(PPaiPerfil, "PPerfil", true);
  LPerfil = new QLabel(QStringLiteral("Perfil: "), PPerfil);
  LPerfil->setObjectName(QStringLiteral("Label1"));
  LPerfil->setGeometry(6, 10, 38, 14);
  CBPerfil = new sono::widgets::TDBLookupComboBox(PPerfil);
  CBPerfil->setObjectName(QStringLiteral("CBPerfil"));
  CBPerfil->setGeometry(42, 5, 200, 22);
  if (DM) CBPerfil->setListSource(DM->DS_PerfilBotoes, QStringLiteral("PBO_CODIGO"), QStringLiteral("PBO_DESCRICAO"));
  connect(CBPerfil, &sono::widgets::TDBLookupComboBox::clicked, this, &TFrmSonopaine::CBPerfilClick);
  PPerfil->installEventFilter(this);
  h->addWidget(PPerfil, 1);

  Panel2 = painel(PPaiPerfil, "Panel2", false);
  Panel2->setFixedWidth(209);
  QFrame* p3 = painel(Panel2, "Panel3", true);
  p3->setGeometry(0, 0, 106, 34);
  QFrame* p4 = painel(Panel2, "Panel4", true);
  p4->setGeometry(106, 0, 103, 34);
  BEditarPerfil = botaoImagem(p3, "BEditarPerfil", QStringLiteral("Editar Perfil"), sono::board::imagemEditarPerfil(),
                              QRect(6, 4, 94, 25));
  BOpcoes = botaoImagem(p4, "BOpcoes", QStringLiteral("Opções"), sono::board::imagemOpcoes(), QRect(4, 4, 94, 25));
  connect(BEditarPerfil, &QAbstractButton::clicked, this, &TFrmSonopaine::BEditarPerfilClick);
  connect(BOpcoes, &QAbstractButton::clicked, this, &TFrmSonopaine::BOpcoesClick);
  h->addWidget(Panel2);

  Panel5 = painel(PPaiPerfil, "Panel5", true);
  Panel5->setFixedWidth(359);
  CbSequencia = new QCheckBox(QStringLiteral("Marcar sequência"), Panel5);
  CbSequencia->setObjectName(QStringLiteral("CbSequencia"));
  CbSequencia->setGeometry(6, 8, 108, 17);
  imagemPlaySeqNormal = sono::board::imagemTocar();
  imagemPlaySeqPressionada = sono::board::imagemPausar();
  imagemPlaySeqSobre = imagemPlaySeqNormal;
  BPlaySeq = botaoImagem(Panel5, "BPlaySeq", QStringLiteral("Tocar sequência"), imagemPlaySeqNormal,
                         QRect(116, 7, 120, 19));
  BPlaySeq->setImageDown(imagemPlaySeqPressionada);
  BPlaySeq->setImageOver(imagemPlaySeqSobre);
  BLimpaSeq = botaoImagem(Panel5, "BLimpaSeq", QStringLiteral("Limpar sequência"), sono::board::imagemBorracha(),
                          QRect(236, 5, 120, 22));
  for (TPNGButton* b : {BPlaySeq, BLimpaSeq}) {
    b->setEnabled(false);
    b->setCursor(Qt::PointingHandCursor);
  }
  h->addWidget(Panel5);
}

QLabel* TFrmSonopaine::rotulo(const char* nome, const QString& texto) {
  auto* l = new QLabel(texto, Panel6);
  l->setObjectName(QLatin1String(nome));
  l->hide();
  return l;
}

void TFrmSonopaine::montarPainelOculto() {
  Panel6 = painel(this, "Panel6", false);
  Panel6->hide();
  lblTocarSequencia = rotulo("lblTocarSequencia", QStringLiteral("Tocar sequência"));
  lblPararSequencia = rotulo("lblPararSequencia", QStringLiteral("Parar sequência"));
  lblDesejaRealmenteExcluirEsteBotao =
      rotulo("lblDesejaRealmenteExcluirEsteBotao", QStringLiteral("Deseja realmente excluir este botão?"));
  lblConfirmacao = rotulo("lblConfirmacao", QStringLiteral("Confirmação"));
  lblDigiteNovaPosicaoBotao = rotulo("lblDigiteNovaPosicaoBotao", QStringLiteral("Digite a nova posição do botão"));
  lblPosicaoInformadaInvalida = rotulo("lblPosicaoInformadaInvalida", QStringLiteral("Posição informada inválida"));
  lblHaNovaAtualizacaoDisponivelDesejaAtualizarAgora =
      rotulo("lblHaNovaAtualizacaoDisponivelDesejaAtualizarAgora",
             QStringLiteral("Há uma nova atualização disponível. Deseja atualizar o sistema agora?"));
  CBIdiomas = new QComboBox(Panel6);
  CBIdiomas->setObjectName(QStringLiteral("CBIdiomas"));
  CBIdiomas->hide();
}

void TFrmSonopaine::montarMenu() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  auto item = [this](const char* nome, const QString& texto) {
    QAction* a = PopupMenu1->addAction(texto);
    a->setObjectName(QLatin1String(nome));
    return a;
  };
  ExcluirBoto1 = item("ExcluirBoto1", QStringLiteral("Excluir Botão"));
  AlterarBoto1 = item("AlterarBoto1", QStringLiteral("Alterar Botão"));
  AlterarPosio1 = item("AlterarPosio1", QStringLiteral("Alterar Posição"));
  PopupMenu1->addSeparator()->setObjectName(QStringLiteral("N1"));
  AdicionarBoto1 = item("AdicionarBoto1", QStringLiteral("Adicionar Botão"));
}

void TFrmSonopaine::FormCreate() {
  Fechando = false;
  // Skin: a start-up step that may fail; any failure leaves the window
  // unskinned.
  try {
    const QString skins = sono::text::findCaseInsensitive(pasta_, QStringLiteral("skins"));
    if (sd1_ && QFileInfo(skins).isDir() && DM && DM->TB_Configuracao->active() && !DM->TB_Configuracao->isEmpty()) {
      QString nome = DM->TB_Configuracao->fieldByName(QStringLiteral("CFG_SKIN")).asString();
      if (nome.isEmpty()) nome = QStringLiteral("Nenhum");
      if (nome != QLatin1String("Nenhum")) {
        sd1_->setSkinFile(sono::text::findCaseInsensitive(skins, nome + QStringLiteral(".skn")));
        sd1_->setActive(true);
      }
    }
  } catch (const std::exception& e) {
    qWarning("Skin at start-up: %s", e.what());
  }
  // Language: the saved one made current and this window translated; a
  // failure leaves the built-in texts.
  sono::board::IdiomaInicial(*this);
}

void TFrmSonopaine::FormShow() {
  if (DM && DM->Q_PerfilBotoes->active() && !DM->Q_PerfilBotoes->isEmpty())
    CBPerfil->setKeyValue(DM->Q_PerfilBotoes->field(0).asString());
  quadro_->MontarBotoes();
  ajustarPerfil();
  MinutoPendente = false;
  if (sd1_) sd1_->skinForm(quadro_->PFundo);
}

void TFrmSonopaine::FormResize() {
  if (Fechando) return;
  quadro_->PosicionarBotoes(quadro_->colunasAtuais());
  ajustarPerfil();
  if (sd1_) sd1_->skinForm(quadro_->PFundo);
}

void TFrmSonopaine::FormPaint() {
  if (sd1_) sd1_->skinForm(quadro_->PFundo);
}

void TFrmSonopaine::FormClose() {
  Fechando = true;
  QCoreApplication::quit();
}

void TFrmSonopaine::CBPerfilClick() { quadro_->MontarBotoes(); }

void TFrmSonopaine::BEditarPerfilClick() {
  if (!fabricaPerfil_) return;
  // The profile editor rebuilds the board itself when a profile is saved.
  std::unique_ptr<QDialog> janela = fabricaPerfil_(this);
  if (janela) janela->exec();
}

void TFrmSonopaine::BOpcoesClick() {
  if (!fabricaOpcoes_) return;
  std::unique_ptr<QDialog> janela = fabricaOpcoes_(this);
  if (!janela) return;
  janela->exec();
  try {
    janela.reset();
  } catch (...) {
    // Freeing the window may fail; the window is gone either way.
  }
}

void TFrmSonopaine::PopupMenu1Popup(TRSpeedButton* botao) {
  botaoDoMenu_ = botao;
  const bool sobreBotao = botao != nullptr;
  AlterarBoto1->setEnabled(sobreBotao);
  ExcluirBoto1->setEnabled(sobreBotao);
  AlterarPosio1->setEnabled(sobreBotao);
  AdicionarBoto1->setEnabled(true);
}

void TFrmSonopaine::ajustarPerfil() { CBPerfil->resize(qMax(0, PPerfil->width() - 45), CBPerfil->height()); }

void TFrmSonopaine::reiniciarControlesSequencia() {
  BPlaySeq->setEnabled(false);
  BLimpaSeq->setEnabled(false);
  BPlaySeq->setImageNormal(imagemPlaySeqSobre);
  BPlaySeq->setText(lblTocarSequencia->text());
  SequenciaTocando = false;
}

void TFrmSonopaine::showEvent(QShowEvent* e) {
  QMainWindow::showEvent(e);
  if (mostrada_) return;
  mostrada_ = true;
  FormShow();
}

void TFrmSonopaine::resizeEvent(QResizeEvent* e) {
  QMainWindow::resizeEvent(e);
  FormResize();
}

void TFrmSonopaine::paintEvent(QPaintEvent* e) {
  QMainWindow::paintEvent(e);
  FormPaint();
}

void TFrmSonopaine::closeEvent(QCloseEvent* e) {
  FormClose();
  e->accept();
}

bool TFrmSonopaine::eventFilter(QObject* watched, QEvent* e) {
  if (watched == PPerfil && e->type() == QEvent::Resize) ajustarPerfil();
  return QMainWindow::eventFilter(watched, e);
}
