#include "board/U_QuadroBotoes.h"

#include "app/data/DM_Sonopaine.h"
#include "board/BoardLayout.h"
#include "platform/firebird/FbError.h"
#include "platform/skin/SkinData.h"
#include "platform/text/FileLookup.h"
#include "platform/widgets/Dialogs.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QScrollBar>

namespace sono::board {

using fb::DatasetState;
using widgets::TRSpeedButton;

namespace {

const char kIndiceProperty[] = "indiceQuadro";
// The image lists' background: the colour the icons were designed on.
const QColor kFundoIcones(0xD8, 0xE9, 0xEC);

widgets::TImageList* novaListaIcones(QObject* parent) {
  auto* l = new widgets::TImageList(QSize(32, 32), parent);
  l->setBkColor(kFundoIcones);
  l->setDrawTransparent(true);
  return l;
}

}  // namespace

TQuadroBotoes::TQuadroBotoes(QWidget* painel, const QString& pastaPrograma, QObject* parent)
    : QObject(parent),
      PanelSonopaine(painel),
      ImageBotoes(novaListaIcones(this)),
      ImageSeq(novaListaIcones(this)),
      AL(new widgets::TActionList(painel, this)),
      painel_(painel),
      pastaPrograma_(pastaPrograma) {
  ImageBotoes->setObjectName(QStringLiteral("ImageBotoes"));
  ImageSeq->setObjectName(QStringLiteral("ImageSeq"));
  AL->setObjectName(QStringLiteral("AL"));
  connect(AL, &widgets::TActionList::executed, this, &TQuadroBotoes::acaoExecutada);
  painel->installEventFilter(this);
  criarQuadro();
  if (DM) {
    // A rebuild put off while a button row was being edited runs when the
    // edit ends.
    // Queued: the dataset reports the end of an edit before its post has
    // been applied, and the rebuild closes it.
    connect(
        DM->Q_Sonopaine, &fb::FbDataset::stateChanged, this,
        [this] {
          if (pendente_ && DM && DM->Q_Sonopaine->state() != DatasetState::Edit &&
              DM->Q_Sonopaine->state() != DatasetState::Insert)
            MontarBotoes();
        },
        Qt::QueuedConnection);
  }
}

TQuadroBotoes::~TQuadroBotoes() {
  if (painel_) painel_->removeEventFilter(this);
  // The actions go before the buttons they click.
  AL->clear();
  if (painel_) destruirQuadro();
}

bool TQuadroBotoes::eventFilter(QObject* watched, QEvent* e) {
  if (watched == PanelSonopaine && e->type() == QEvent::Resize) ajustarAoPainel();
  return QObject::eventFilter(watched, e);
}

void TQuadroBotoes::ajustarAoPainel() {
  if (Sonopaine) Sonopaine->setGeometry(PanelSonopaine->contentsRect());
}

void TQuadroBotoes::destruirQuadro() {
  // Deleting the scroll box takes every button with it, and with each
  // button its gauge, player and timer: sound stops at once, and no stop
  // notification follows, because the outputs die with their owners.
  delete Sonopaine.data();
  delete PFundo.data();
  conteudo_ = nullptr;
}

void TQuadroBotoes::criarQuadro() {
  auto* sb = new QScrollArea(PanelSonopaine);
  sb->setObjectName(QStringLiteral("Sonopaine"));
  sb->setFrameShape(QFrame::NoFrame);
  sb->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sb->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  sb->setWidgetResizable(false);
  sb->setContextMenuPolicy(Qt::CustomContextMenu);
  sb->setFocusPolicy(Qt::StrongFocus);
  conteudo_ = new QWidget;
  conteudo_->setObjectName(QStringLiteral("SonopaineConteudo"));
  conteudo_->setContextMenuPolicy(Qt::CustomContextMenu);
  sb->setWidget(conteudo_);
  auto emptyPopup = [this, sb](const QPoint& pos) {
    QWidget* from = qobject_cast<QWidget*>(sender());
    emit popupSolicitado(nullptr, (from ? from : sb)->mapToGlobal(pos));
  };
  connect(sb, &QWidget::customContextMenuRequested, this, emptyPopup);
  connect(conteudo_, &QWidget::customContextMenuRequested, this, emptyPopup);
  Sonopaine = sb;
  sb->setGeometry(PanelSonopaine->contentsRect());
  sb->show();

  auto* fundo = new QWidget(PanelSonopaine);
  fundo->setObjectName(QStringLiteral("PFundo"));
  fundo->hide();
  PFundo = fundo;
}

int TQuadroBotoes::larguraQuadro() const { return Sonopaine ? Sonopaine->width() : 0; }

int TQuadroBotoes::tamanhoPerfil() const {
  if (!DM) return 0;
  fb::FbDataset* p = DM->Q_PerfilBotoes;
  if (!p->active() || p->isEmpty() || p->fieldIndex(QStringLiteral("PBO_TAMANHO")) < 0) return 0;
  return p->fieldByName(QStringLiteral("PBO_TAMANHO")).asInteger();
}

int TQuadroBotoes::colunasAtuais() const { return colunasDoQuadro(larguraQuadro(), tamanhoPerfil()); }

void TQuadroBotoes::PrepararTabelasBotoes(int n) {
  Botoes.clear();
  Barras.clear();
  Arquivos.clear();
  Saidas.clear();
  Temporizadores.clear();
  Linhas.clear();
  AL->clear();
  Botoes.resize(n);
  Barras.resize(n);
  Arquivos.resize(n);
  Saidas.resize(n);
  Temporizadores.resize(n);
  Linhas.resize(n);
  for (int i = 0; i < n; ++i) AL->add(QStringLiteral("Action%1").arg(i + 1));
}

void TQuadroBotoes::CarregarIconesSequencia() {
  if (!fonteIcones_) return;
  const QString lib = text::findCaseInsensitive(pastaPrograma_, QStringLiteral("IconList.dll"));
  if (!QFileInfo(lib).isFile()) return;
  for (int i = 0; i < 20; ++i) ImageSeq->add(fonteIcones_(lib, i));
}

int TQuadroBotoes::AdicionarIcone(const QString& arquivo, int indice, widgets::TImageList* lista) {
  if (!fonteIcones_ || indice < 0) return -1;
  return lista->add(fonteIcones_(arquivo, indice));
}

void TQuadroBotoes::MontarBotoes() {
  if (montando_) return;
  fb::FbDataset* q = DM ? DM->Q_Sonopaine : nullptr;
  if (q && (q->state() == DatasetState::Edit || q->state() == DatasetState::Insert)) {
    pendente_ = true;
    return;
  }
  pendente_ = false;
  montando_ = true;
  emit montando();
  AL->clear();
  destruirQuadro();
  criarQuadro();
  ImageBotoes->clear();
  ImageSeq->clear();
  CarregarIconesSequencia();

  int linhas = 0;
  try {
    // Without an open profile list (no INI file, no connection) there is
    // no current profile, and so no buttons: the board stays empty.
    if (q && DM->Q_PerfilBotoes->active()) {
      q->close();
      q->open();
      q->fetchAll();
      q->first();
      linhas = q->recordCount();
    }
    PrepararTabelasBotoes(linhas);
    if (linhas > 0) {
      // Built hidden: every button shown on a visible board would have its
      // neighbours' areas worked out again.
      conteudo_->hide();
      const int colunas = colunasAtuais();
      for (int i = 0; i < linhas; ++i) {
        CriarBotao(i, colunas);
        q->next();
      }
      PosicionarBotoes(colunas);
      conteudo_->show();
    }
  } catch (const fb::FbError& e) {
    // The board is what could be built; the error is told as it is.
    PosicionarBotoes(colunasAtuais());
    conteudo_->show();
    dialogs::showMessage(e.message());
  }
  if (sd1_) sd1_->skinForm(PFundo);
  montando_ = false;
  emit montado();
}

void TQuadroBotoes::CriarBotao(int i, int colunas) {
  fb::FbDataset* q = DM->Q_Sonopaine;
  auto* b = new TRSpeedButton(conteudo_);
  b->setObjectName(QStringLiteral("Botao%1").arg(i + 1));
  b->setProperty(kIndiceProperty, i);
  b->setFontColor(Qt::black);
  QFont f = b->font();
  f.setBold(false);
  f.setItalic(false);
  f.setUnderline(false);
  f.setStrikeOut(false);
  b->setFont(f);
  Botoes[i] = b;

  const QString descricao = q->fieldByName(QStringLiteral("BT_DESCRICAO")).asString();
  b->setCaption(QuebrarLegenda(descricao, tamanhoDoBotao(larguraQuadro(), colunas) / kPixelsPorCaractere));
  const bool modoIrmao = DM->ConectaKyrelPlay == QLatin1String("S");
  b->setHint(alvoDoBotao(q->fieldByName(QStringLiteral("BT_ARQUIVO")).asString(), descricao, modoIrmao,
                         DM->ServidorKyrelPlay));
  b->setTag(0);
  connect(b, &QAbstractButton::clicked, this, [this, b] { emit botaoClicado(b); });
  connect(b, &QWidget::customContextMenuRequested, this,
          [this, b](const QPoint& pos) { emit popupSolicitado(b, b->mapToGlobal(pos)); });

  Linhas[i].codigo = q->fieldByName(QStringLiteral("BT_CODIGO")).asInteger();
  Linhas[i].loop = q->fieldByName(QStringLiteral("BT_LOOP")).asString();

  const fb::FbField arquivoIcone = q->fieldByName(QStringLiteral("BT_ARQUIVOICONE"));
  if (!arquivoIcone.isNull()) {
    const QString arquivo = arquivoIcone.asString();
    if (QFileInfo(arquivo).isFile()) {
      const int icone =
          AdicionarIcone(arquivo, q->fieldByName(QStringLiteral("BT_INDEXICONE")).asInteger(), ImageBotoes);
      if (icone >= 0) {
        b->setImages(ImageBotoes, icone);
        b->setTransparent(true);
      }
    }
  }

  if (QAction* a = AL->action(i)) {
    const QString atalho = q->fieldByName(QStringLiteral("BT_ATALHO")).asString();
    const QKeyCombination k = leitorAtalho_ && !atalho.isEmpty() ? leitorAtalho_(atalho) : QKeyCombination();
    if (k.key() != Qt::Key_unknown && k.key() != 0) a->setShortcut(QKeySequence(k));
  }
  b->show();
}

void TQuadroBotoes::PosicionarBotoes(int colunas) {
  if (!Sonopaine || !conteudo_) return;
  const int c = qMax(1, colunas);
  const int tamanho = tamanhoDoBotao(larguraQuadro(), c);
  const int n = static_cast<int>(Botoes.size());
  for (int i = 0; i < n; ++i) {
    TRSpeedButton* b = Botoes[i];
    if (!b) continue;
    b->setGeometry(QRect(posicaoDoBotao(i, c, tamanho), QSize(tamanho, tamanho)));
    if (widgets::TGauge* g = Barras.value(i)) {
      // A gauge may sit on the button itself or beside it on the board.
      const QRect base = g->parentWidget() == b ? QRect(QPoint(0, 0), b->size()) : b->geometry();
      g->setGeometry(widgets::gaugeGeometry(base));
      QFont f = g->font();
      f.setPointSize(8);
      g->setFont(f);
      g->raise();
    }
  }
  const int linhas = (n + c - 1) / c;
  conteudo_->resize(qMax(c * tamanho, 1), qMax(linhas * tamanho, 1));
}

int TQuadroBotoes::indiceDe(const QObject* o) const {
  if (!o) return -1;
  if (const auto* a = qobject_cast<const QAction*>(o)) return AL->indexOf(a);
  for (const QObject* p = o; p; p = p->parent()) {
    const QVariant v = p->property(kIndiceProperty);
    if (v.isValid()) {
      const int i = v.toInt();
      if (i >= 0 && i < Botoes.size() && Botoes[i] == p) return i;
    }
  }
  for (int i = 0; i < Barras.size(); ++i)
    if (Barras[i] == o) return i;
  return -1;
}

}  // namespace sono::board
