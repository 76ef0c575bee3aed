// The main window as a shell around the board: layout, start-up, profile
// choice, resize, pop-up menu, skin and the windows of the top bar.

#include "BoardFixture.h"
#include "board/U_Sonopaine.h"
#include "platform/skin/SkinData.h"
#include "platform/widgets/Dialogs.h"

#include <QDir>
#include <QFile>
#include <QScrollBar>
#include <QtTest>

using namespace sono;
using test::BotaoDemo;

namespace {

// The window as the start sequence makes it, shown.
std::unique_ptr<TFrmSonopaine> mainWindow(TDM& dm) {
  auto w = std::make_unique<TFrmSonopaine>(nullptr, dm.folder(), dm.sd1);
  w->resize(1200, 700);
  w->show();
  QCoreApplication::processEvents();
  return w;
}

void resizeBoardTo(TFrmSonopaine& w, int largura) {
  const int extra = w.width() - w.quadro()->Sonopaine->width();
  w.resize(largura + extra, w.height());
  QCoreApplication::processEvents();
}

}  // namespace

class TestMainWindow : public QObject {
  Q_OBJECT
 private slots:
  void layout() {
    test::BoardFixture f;
    f.addProfile("Vinhetas", 100, test::botoes(3));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    QCOMPARE(w->windowTitle(), QStringLiteral("Kyrel Sonopaine 2015"));
    QCOMPARE(w->PPaiPerfil->height(), 34);
    QCOMPARE(w->Panel2->width(), 209);
    QCOMPARE(w->Panel5->width(), 359);
    QCOMPARE(w->BEditarPerfil->text(), QStringLiteral("Editar Perfil"));
    QCOMPARE(w->BOpcoes->text(), QStringLiteral("Opções"));
    QCOMPARE(w->CbSequencia->text(), QStringLiteral("Marcar sequência"));
    QCOMPARE(w->BPlaySeq->text(), QStringLiteral("Tocar sequência"));
    QCOMPARE(w->BLimpaSeq->text(), QStringLiteral("Limpar sequência"));
    QVERIFY(!w->BPlaySeq->isEnabled());
    QVERIFY(!w->BLimpaSeq->isEnabled());
    QCOMPARE(w->BPlaySeq->cursor().shape(), Qt::PointingHandCursor);
    for (widgets::TPNGButton* b : {w->BEditarPerfil, w->BOpcoes, w->BPlaySeq, w->BLimpaSeq})
      QVERIFY(!b->imageNormal().isNull());
    QCOMPARE(w->BOpcoes->imageNormal().size(), QSize(14, 18));
    QVERIFY(w->BPlaySeq->imageDown().toImage() != w->BPlaySeq->imageNormal().toImage());
    QCOMPARE(w->BPlaySeq->imageOver().toImage(), w->BPlaySeq->imageNormal().toImage());
    QVERIFY(!w->Panel6->isVisible());
    QVERIFY(!w->CBIdiomas->isVisible());
    QCOMPARE(w->lblHaNovaAtualizacaoDisponivelDesejaAtualizarAgora->text(),
             QStringLiteral("Há uma nova atualização disponível. Deseja atualizar o sistema agora?"));
    QCOMPARE(w->lblDesejaRealmenteExcluirEsteBotao->text(), QStringLiteral("Deseja realmente excluir este botão?"));
    QStringList itens;
    for (QAction* a : w->PopupMenu1->actions()) itens << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(itens, (QStringList{"Excluir Botão", "Alterar Botão", "Alterar Posição", "-", "Adicionar Botão"}));
    QCOMPARE(w->CBPerfil->width(), w->PPerfil->width() - 45);
    QCOMPARE(w->font().pixelSize(), 11);
  }

  void firstShowBuildsTheFirstProfile() {
    test::BoardFixture f;
    f.addProfile("Vinhetas", 100, test::botoes(3));
    f.addProfile("Efeitos", 100, test::botoes(7));
    TDM& dm = f.start();
    dialogs::ScopedResponder r;
    TFrmSonopaine w(nullptr, dm.folder(), dm.sd1);
    w.MinutoPendente = true;
    QVERIFY(w.quadro()->Botoes.isEmpty());
    w.show();
    QCOMPARE(w.CBPerfil->currentText(), QStringLiteral("Vinhetas"));
    QCOMPARE(w.CBPerfil->count(), 2);
    QCOMPARE(w.quadro()->Botoes.size(), 3);
    QVERIFY(!w.MinutoPendente);
    // A second show builds nothing anew.
    QPointer<widgets::TRSpeedButton> b = w.quadro()->Botoes[0];
    w.hide();
    w.show();
    QVERIFY(!b.isNull());
    QVERIFY(r.asked().isEmpty());
  }

  void choosingAProfileRebuilds() {
    test::BoardFixture f;
    f.addProfile("Doze", 100, test::botoes(12));
    f.addProfile("Cinco", 100, test::botoes(5));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    QCOMPARE(w->quadro()->Botoes.size(), 12);
    const int cinco = w->CBPerfil->findText(QStringLiteral("Cinco"));
    QVERIFY(cinco >= 0);
    w->CBPerfil->setCurrentIndex(cinco);
    emit w->CBPerfil->activated(cinco);
    QCOMPARE(dm.Q_PerfilBotoes->fieldByName(QStringLiteral("PBO_DESCRICAO")).asString(), QStringLiteral("Cinco"));
    QCOMPARE(w->quadro()->Botoes.size(), 5);
    QCOMPARE(w->quadro()->AL->count(), 5);
    QCOMPARE(w->CBPerfil->currentText(), QStringLiteral("Cinco"));
  }

  void resizeReflowsTheSameButtons() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(12));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    resizeBoardTo(*w, 1021);
    QCOMPARE(w->quadro()->Sonopaine->width(), 1021);
    QList<widgets::TRSpeedButton*> antes;
    for (auto& b : w->quadro()->Botoes) antes << b.data();
    QCOMPARE(antes[11]->geometry(), QRect(100, 100, 100, 100));
    resizeBoardTo(*w, 621);
    for (int i = 0; i < 12; ++i) QCOMPARE(w->quadro()->Botoes[i].data(), antes[i]);
    QCOMPARE(antes[11]->geometry(), QRect(500, 100, 100, 100));
    QCOMPARE(w->CBPerfil->width(), w->PPerfil->width() - 45);
    // While closing, a resize leaves the board alone.
    w->Fechando = true;
    resizeBoardTo(*w, 1021);
    QCOMPARE(antes[11]->geometry(), QRect(500, 100, 100, 100));
  }

  void hotkeyReachesTheBoard() {
    test::BoardFixture f;
    QList<BotaoDemo> bs = test::botoes(3);
    bs[2].atalho = "Ctrl+F";
    f.addProfile("Perfil", 100, bs);
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QSignalSpy spy(w->quadro(), &board::TQuadroBotoes::acaoExecutada);
    QTest::keyClick(w.get(), Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(w->quadro()->indiceDe(spy[0][0].value<QAction*>()), 2);
    // A modal window over the board keeps its hotkeys to itself.
    QDialog modal(w.get());
    modal.setModal(true);
    modal.show();
    QVERIFY(QTest::qWaitForWindowActive(&modal));
    QTest::keyClick(&modal, Qt::Key_F, Qt::ControlModifier);
    QCOMPARE(spy.size(), 1);
  }

  void popupEnabling_data() {
    QTest::addColumn<bool>("sobreBotao");
    QTest::newRow("over a button") << true;
    QTest::newRow("over the empty board") << false;
  }
  void popupEnabling() {
    QFETCH(bool, sobreBotao);
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(2));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    QWidget* alvo =
        sobreBotao ? static_cast<QWidget*>(w->quadro()->Botoes[1].data()) : w->quadro()->Sonopaine->widget();
    const QPoint at = sobreBotao ? QPoint(5, 5) : QPoint(alvo->width() - 5, alvo->height() - 5);
    QContextMenuEvent e(QContextMenuEvent::Mouse, at, alvo->mapToGlobal(at));
    QApplication::sendEvent(alvo, &e);
    QVERIFY(w->PopupMenu1->isVisible());
    QCOMPARE(w->AlterarBoto1->isEnabled(), sobreBotao);
    QCOMPARE(w->ExcluirBoto1->isEnabled(), sobreBotao);
    QCOMPARE(w->AlterarPosio1->isEnabled(), sobreBotao);
    QVERIFY(w->AdicionarBoto1->isEnabled());
    QCOMPARE(w->botaoDoMenu(), sobreBotao ? w->quadro()->Botoes[1].data() : nullptr);
    w->PopupMenu1->hide();
  }

  void rebuildResetsSequenceControls() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(2));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    w->BPlaySeq->setEnabled(true);
    w->BLimpaSeq->setEnabled(true);
    w->BPlaySeq->setText(w->lblPararSequencia->text());
    w->BPlaySeq->setImageNormal(w->imagemPlaySeqPressionada);
    w->lblTocarSequencia->setText(QStringLiteral("Play sequence"));
    w->SequenciaTocando = true;
    w->QtdSequencia = 2;
    w->CbSequencia->setChecked(true);
    w->quadro()->MontarBotoes();
    QVERIFY(!w->BPlaySeq->isEnabled());
    QVERIFY(!w->BLimpaSeq->isEnabled());
    QCOMPARE(w->BPlaySeq->text(), QStringLiteral("Play sequence"));
    QCOMPARE(w->BPlaySeq->imageNormal().toImage(), w->imagemPlaySeqSobre.toImage());
    QVERIFY(!w->SequenciaTocando);
    QCOMPARE(w->QtdSequencia, 0);
    QVERIFY(w->CbSequencia->isChecked());
  }

  void startWithoutIni() {
    test::TestFolder pasta;
    TDM dm(pasta.path());
    DM = &dm;
    dialogs::ScopedResponder r;
    dm.DataModuleCreate();
    {
      auto w = mainWindow(dm);
      QVERIFY(w->quadro()->Botoes.isEmpty());
      QCOMPARE(w->CBPerfil->count(), 0);
      QVERIFY(w->quadro()->Sonopaine->isVisible());
      resizeBoardTo(*w, 500);
    }
    QVERIFY(r.asked().isEmpty());
    DM = nullptr;
  }

  void skinAtStart_data() {
    QTest::addColumn<bool>("pastaSkins");
    QTest::addColumn<QByteArray>("nome");
    QTest::addColumn<bool>("aplicada");
    QTest::newRow("named skin") << true << QByteArray("Teste") << true;
    QTest::newRow("empty name") << true << QByteArray("") << false;
    QTest::newRow("null name") << true << QByteArray() << false;
    QTest::newRow("Nenhum") << true << QByteArray("Nenhum") << false;
    QTest::newRow("file missing") << true << QByteArray("Ausente") << false;
    QTest::newRow("no skins folder") << false << QByteArray("Teste") << false;
  }
  void skinAtStart() {
    QFETCH(bool, pastaSkins);
    QFETCH(QByteArray, nome);
    QFETCH(bool, aplicada);
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(2));
    f.setSkin(nome);
    if (pastaSkins) {
      QVERIFY(QDir(f.path()).mkdir(QStringLiteral("skins")));
      QFile skn(f.folder.file(QStringLiteral("skins/Teste.skn")));
      QVERIFY(skn.open(QIODevice::WriteOnly));
      skn.write("@Window #203040\nQWidget#Panel5 { background: #203040; }\n");
    }
    const QString antes = qApp->styleSheet();
    {
      TDM& dm = f.start();
      dialogs::ScopedResponder r;
      auto w = mainWindow(dm);
      QCOMPARE(dm.sd1->skinLoaded(), aplicada);
      QCOMPARE(qApp->styleSheet().contains(QLatin1String("#203040")), aplicada);
      QCOMPARE(w->palette().color(QPalette::Window) == QColor(0x20, 0x30, 0x40), aplicada);
      QVERIFY(r.asked().isEmpty());
      w.reset();
      f.stop();
    }
    // Switched off with its data module, the windows look as before.
    QCOMPARE(qApp->styleSheet(), antes);
  }

  void optionsWindowIsNewEachTime() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(1));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    QList<QPointer<QDialog>> abertas;
    w->setJanelaOpcoes([&abertas](QWidget* parent) {
      auto d = std::make_unique<QDialog>(parent);
      abertas << d.get();
      // Closed as the operator would, once it is up.
      QTimer::singleShot(0, d.get(), &QDialog::reject);
      return d;
    });
    QTest::mouseClick(w->BOpcoes, Qt::LeftButton);
    QTest::mouseClick(w->BOpcoes, Qt::LeftButton);
    QCOMPARE(abertas.size(), 2);
    QVERIFY(abertas[0].isNull());
    QVERIFY(abertas[1].isNull());
  }

  void closingEndsTheApplication() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(2));
    TDM& dm = f.start();
    auto w = mainWindow(dm);
    w->close();
    QVERIFY(w->Fechando);
    QCOMPARE(w->quadro()->Botoes.size(), 2);
  }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
