// The board against a real database: grid, captions, play targets,
// icons, hotkeys, tables and rebuilds.

#include "BoardFixture.h"
#include "board/BoardLayout.h"
#include "board/SystemServices.h"
#include "board/U_QuadroBotoes.h"
#include "platform/pe/PeWriter.h"
#include "platform/widgets/Dialogs.h"

#include <QFrame>
#include <QPainter>
#include <QScrollBar>
#include <QtTest>

using namespace sono;
using board::TQuadroBotoes;
using test::BotaoDemo;

namespace {

const QString CR = QString(QChar(13));

// A 32 × 32 picture that tells its number by colour.
QImage numbered(int n) {
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(QColor::fromHsv((n * 37) % 360, 200, 220));
  return img;
}

// A board on a plain panel of a known width, as the main window hosts it.
struct Host {
  explicit Host(const QString& folder, int largura = 1021) : board(&panel, folder) {
    panel.resize(largura, 600);
    panel.show();
    board.setFonteIcones(board::fonteIconesDoSistema());
    board.setLeitorAtalho(board::leitorAtalhoDoSistema());
  }
  QFrame panel;
  TQuadroBotoes board;
};

}  // namespace

class TestBoard : public QObject {
  Q_OBJECT
 private slots:
  void gridFollowsWidth_data() {
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("tamanho");
    QTest::newRow("1021 pixels") << 1021 << 100;
    QTest::newRow("1100 pixels") << 1100 << 107;
  }
  void gridFollowsWidth() {
    QFETCH(int, largura);
    QFETCH(int, tamanho);
    test::BoardFixture f;
    QList<BotaoDemo> bs = test::botoes(12);
    bs[0].descricao = "VINHETA DE ABERTURA DO PROGRAMA";
    f.addProfile("Perfil", 100, bs);
    f.start();
    Host h(f.path(), largura);
    h.board.MontarBotoes();
    QCOMPARE(h.board.Sonopaine->width(), largura);
    QCOMPARE(h.board.Botoes.size(), 12);
    for (int i = 0; i < 12; ++i) {
      QCOMPARE(h.board.Botoes[i]->geometry(), QRect((i % 10) * tamanho, (i / 10) * tamanho, tamanho, tamanho));
      QCOMPARE(h.board.Botoes[i]->parentWidget(), h.board.Sonopaine->widget());
    }
    // Eleven characters per line at either width.
    QCOMPARE(h.board.Botoes[0]->caption(), QString("VINHETA DE..." + CR + "DO PROGRAMA..." + CR));
    QCOMPARE(h.board.Botoes[1]->caption(), QStringLiteral("Botao 2"));
    QCOMPARE(h.board.Sonopaine->verticalScrollBar()->value(), 0);
  }

  void playTargets_data() {
    QTest::addColumn<QString>("conecta");
    QTest::addColumn<QByteArray>("arquivo");
    QTest::addColumn<QByteArray>("descricao");
    QTest::addColumn<QString>("alvo");
    QTest::newRow("own database") << "N" << QByteArray(R"(C:\Audio\a.mp3)") << QByteArray("A") << R"(C:\Audio\a.mp3)";
    QTest::newRow("sibling mode") << "S" << QByteArray(R"(C:\Audio\a.mp3)") << QByteArray("A")
                                  << R"(\\SRV\c\Audio\a.mp3)";
    QTest::newRow("sibling, lower-case drive")
        << "S" << QByteArray(R"(c:\Audio\a.mp3)") << QByteArray("A") << R"(c:\Audio\a.mp3)";
    QTest::newRow("sibling mode is exactly S")
        << "s" << QByteArray(R"(C:\Audio\a.mp3)") << QByteArray("A") << R"(C:\Audio\a.mp3)";
    QTest::newRow("time announcement") << "N" << QByteArray("/x/a.wav") << QByteArray("Hora Certa") << "HORA CERTA";
  }
  void playTargets() {
    QFETCH(QString, conecta);
    QFETCH(QByteArray, arquivo);
    QFETCH(QByteArray, descricao);
    QFETCH(QString, alvo);
    test::BoardFixture f;
    f.addProfile("Perfil", 100, {BotaoDemo{descricao, arquivo}});
    TDM& dm = f.start();
    // What the INI file and the sibling connection would have set.
    dm.ConectaKyrelPlay = conecta;
    dm.ServidorKyrelPlay = QStringLiteral("SRV");
    Host h(f.path());
    h.board.MontarBotoes();
    QCOMPARE(h.board.Botoes.size(), 1);
    QCOMPARE(h.board.Botoes[0]->hint(), alvo);
    QVERIFY(h.board.Botoes[0]->toolTip().isEmpty());
  }

  void iconsFromFiles() {
    test::BoardFixture f;
    // The sequence places: twenty icons in IconList.dll.
    pe::PeWriter lib;
    for (int i = 0; i < 20; ++i) lib.addIconGroup(pe::ResourceName::fromId(quint16(i + 1)), {numbered(i)});
    QVERIFY(lib.write(f.folder.file(QStringLiteral("IconList.dll"))));
    pe::PeWriter icones;
    for (int i = 0; i < 3; ++i) icones.addIconGroup(pe::ResourceName::fromId(quint16(i + 1)), {numbered(100 + i)});
    const QString dll = f.folder.file(QStringLiteral("Icones.dll"));
    QVERIFY(icones.write(dll));
    const QString ico = f.folder.file(QStringLiteral("um.ico"));
    {
      QFile out(ico);
      QVERIFY(out.open(QIODevice::WriteOnly));
      out.write(pe::buildIcoFile({numbered(200)}));
    }
    const QByteArray d = dll.toLocal8Bit();
    f.addProfile("Perfil", 100,
                 {
                     BotaoDemo{"sem icone"},
                     BotaoDemo{"biblioteca", "a.wav", {}, d, 2},
                     BotaoDemo{"arquivo ico", "a.wav", {}, ico.toLocal8Bit(), 0},
                     BotaoDemo{"indice ausente", "a.wav", {}, d, 7},
                     BotaoDemo{"arquivo ausente", "a.wav", {}, f.folder.file("nada.dll").toLocal8Bit(), 0},
                     BotaoDemo{"nao e icone", "a.wav", {}, f.databasePath().toLocal8Bit(), 0},
                     BotaoDemo{"primeiro", "a.wav", {}, d, 0},
                 });
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QCOMPARE(h.board.ImageSeq->count(), 20);
    QCOMPARE(h.board.ImageSeq->image(5).pixelColor(16, 16), numbered(5).pixelColor(16, 16));
    QCOMPARE(h.board.ImageBotoes->count(), 3);
    const QList<int> esperado = {-1, 0, 1, -1, -1, -1, 2};
    for (int i = 0; i < esperado.size(); ++i) {
      widgets::TRSpeedButton* b = h.board.Botoes[i];
      QCOMPARE(b->hasGlyph(), esperado[i] >= 0);
      if (esperado[i] >= 0) {
        QCOMPARE(b->images(), h.board.ImageBotoes);
        QCOMPARE(b->imageIndex(), esperado[i]);
        QVERIFY(b->transparent());
      }
    }
    QCOMPARE(h.board.ImageBotoes->image(0).pixelColor(16, 16), numbered(102).pixelColor(16, 16));
    QCOMPARE(h.board.ImageBotoes->image(1).pixelColor(16, 16), numbered(200).pixelColor(16, 16));
    QCOMPARE(h.board.ImageBotoes->image(2).pixelColor(16, 16), numbered(100).pixelColor(16, 16));
  }

  void changedIconFileIsReadAgain() {
    test::BoardFixture f;
    const QString dll = f.folder.file(QStringLiteral("Icones.dll"));
    auto writeLibrary = [&](int base, int count) {
      pe::PeWriter w;
      for (int i = 0; i < count; ++i) w.addIconGroup(pe::ResourceName::fromId(quint16(i + 1)), {numbered(base + i)});
      return w.write(dll);
    };
    QVERIFY(writeLibrary(10, 2));
    f.addProfile("Perfil", 100, {BotaoDemo{"a", "a.wav", {}, dll.toLocal8Bit(), 1}});
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QCOMPARE(h.board.ImageBotoes->image(0).pixelColor(3, 3), numbered(11).pixelColor(3, 3));
    // The library is replaced between two rebuilds (as an update would).
    QVERIFY(writeLibrary(50, 3));
    h.board.MontarBotoes();
    QCOMPARE(h.board.ImageBotoes->count(), 1);
    QCOMPARE(h.board.ImageBotoes->image(0).pixelColor(3, 3), numbered(51).pixelColor(3, 3));
  }

  void missingIconLibraryGivesNoPlaces() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(2));
    f.start();
    Host h(f.path());
    dialogs::ScopedResponder r;
    h.board.MontarBotoes();
    QCOMPARE(h.board.ImageSeq->count(), 0);
    QCOMPARE(h.board.Botoes.size(), 2);
    QVERIFY(r.asked().isEmpty());
  }

  void hotkeys_data() {
    QTest::addColumn<QByteArray>("atalho");
    QTest::addColumn<QKeySequence>("sequencia");
    QTest::newRow("function key") << QByteArray("F1") << QKeySequence(Qt::Key_F1);
    QTest::newRow("with modifiers") << QByteArray("Shift+Ctrl+A") << QKeySequence(Qt::SHIFT | Qt::CTRL | Qt::Key_A);
    QTest::newRow("no key named") << QByteArray("Ctrl+Nada") << QKeySequence();
    QTest::newRow("none") << QByteArray() << QKeySequence();
  }
  void hotkeys() {
    QFETCH(QByteArray, atalho);
    QFETCH(QKeySequence, sequencia);
    test::BoardFixture f;
    f.addProfile("Perfil", 100, {BotaoDemo{"a"}, BotaoDemo{"b", "b.wav", atalho}});
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QCOMPARE(h.board.AL->count(), 2);
    QCOMPARE(h.board.AL->action(0)->objectName(), QStringLiteral("Action1"));
    QCOMPARE(h.board.AL->action(1)->objectName(), QStringLiteral("Action2"));
    QCOMPARE(h.board.AL->action(1)->shortcut(), sequencia);
    QVERIFY(h.board.AL->action(0)->shortcut().isEmpty());
    // The action reaches the board with its index.
    QSignalSpy spy(&h.board, &TQuadroBotoes::acaoExecutada);
    h.board.AL->action(1)->trigger();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(h.board.indiceDe(spy[0][0].value<QAction*>()), 1);
  }

  void clicksReachTheBoard() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(3));
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QSignalSpy spy(&h.board, &TQuadroBotoes::botaoClicado);
    QTest::mouseClick(h.board.Botoes[2], Qt::LeftButton);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(h.board.indiceDe(spy[0][0].value<widgets::TRSpeedButton*>()), 2);
    QCOMPARE(h.board.Botoes[2]->cursor().shape(), Qt::PointingHandCursor);
  }

  void profileSwitchResizesTables() {
    test::BoardFixture f;
    f.addProfile("Doze", 100, test::botoes(12));
    const int cinco = f.addProfile("Cinco", 80, test::botoes(5));
    TDM& dm = f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QCOMPARE(h.board.Botoes.size(), 12);
    QPointer<widgets::TRSpeedButton> antigo = h.board.Botoes[11];
    QVERIFY(dm.Q_PerfilBotoes->locate(QStringLiteral("PBO_CODIGO"), fb::FbValue(cinco)));
    h.board.MontarBotoes();
    QVERIFY(antigo.isNull());
    QCOMPARE(h.board.Botoes.size(), 5);
    QCOMPARE(h.board.Barras.size(), 5);
    QCOMPARE(h.board.Arquivos.size(), 5);
    QCOMPARE(h.board.Saidas.size(), 5);
    QCOMPARE(h.board.Temporizadores.size(), 5);
    QCOMPARE(h.board.Linhas.size(), 5);
    QCOMPARE(h.board.AL->count(), 5);
    QCOMPARE(h.board.Sonopaine->widget()->findChildren<widgets::TRSpeedButton*>().size(), 5);
    // 80-pixel profile on 1021 pixels: 12 columns of 83.
    QCOMPARE(h.board.Botoes[4]->geometry(), QRect(4 * 83, 0, 83, 83));
  }

  void resizeKeepsButtonsAndGauges() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(12));
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QList<widgets::TRSpeedButton*> antes;
    for (auto& b : h.board.Botoes) antes << b.data();
    // A sounding button's gauge, as playback places it.
    auto* g = new widgets::TGauge(h.board.Sonopaine->widget());
    h.board.Barras[11] = g;
    const QString legenda = h.board.Botoes[0]->caption();
    h.panel.resize(521, 600);
    h.board.PosicionarBotoes(h.board.colunasAtuais());
    QCOMPARE(h.board.colunasAtuais(), 5);
    for (int i = 0; i < 12; ++i) QCOMPARE(h.board.Botoes[i].data(), antes[i]);
    QCOMPARE(h.board.Botoes[11]->geometry(), QRect(100, 200, 100, 100));
    QCOMPARE(g->geometry(), QRect(104, 283, 92, 13));
    QCOMPARE(g->font().pointSize(), 8);
    QCOMPARE(h.board.Botoes[0]->caption(), legenda);
    QCOMPARE(h.board.Sonopaine->widget()->height(), 300);
  }

  void rebuildSilencesAndClearsMarks() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(3));
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    widgets::TRSpeedButton* b = h.board.Botoes[1];
    // A playing, marked button: gauge on the board, timer and player owned
    // by the button.
    h.board.Barras[1] = new widgets::TGauge(h.board.Sonopaine->widget());
    h.board.Temporizadores[1] = new QTimer(b);
    h.board.Saidas[1] = new TMMWaveOut(b);
    h.board.Arquivos[1] = new TMMAudioFile(b);
    b->setTag(1);
    QPointer<QTimer> timer = h.board.Temporizadores[1].data();
    QPointer<widgets::TGauge> gauge = h.board.Barras[1].data();
    QPointer<TMMWaveOut> saida = h.board.Saidas[1].data();
    QSignalSpy start(&h.board, &TQuadroBotoes::montando);
    h.board.MontarBotoes();
    QCOMPARE(start.size(), 1);
    QVERIFY(timer.isNull());
    QVERIFY(gauge.isNull());
    QVERIFY(saida.isNull());
    for (int i = 0; i < 3; ++i) {
      QVERIFY(h.board.Barras[i].isNull());
      QVERIFY(h.board.Temporizadores[i].isNull());
      QVERIFY(h.board.Saidas[i].isNull());
      QCOMPARE(h.board.Botoes[i]->tag(), 0);
    }
  }

  void emptyProfile() {
    test::BoardFixture f;
    f.addProfile("Vazio", 100, {});
    f.start();
    Host h(f.path());
    dialogs::ScopedResponder r;
    h.board.MontarBotoes();
    QVERIFY(h.board.Botoes.isEmpty());
    QCOMPARE(h.board.AL->count(), 0);
    QVERIFY(h.board.Sonopaine->widget()->findChildren<widgets::TRSpeedButton*>().isEmpty());
    QVERIFY(r.asked().isEmpty());
  }

  void profileWithoutSizeUsesOneColumn() {
    test::BoardFixture f;
    f.addProfile("Sem tamanho", 0, test::botoes(3));
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QCOMPARE(h.board.Botoes.size(), 3);
    QCOMPARE(h.board.Botoes[2]->geometry(), QRect(0, 2000, 1000, 1000));
  }

  void rebuildWaitsForAnEditToEnd() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(3));
    TDM& dm = f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    dm.Q_Sonopaine->first();
    dm.Q_Sonopaine->edit();
    dm.Q_Sonopaine->fieldByName(QStringLiteral("BT_DESCRICAO")).setString(QStringLiteral("Editado"));
    QPointer<widgets::TRSpeedButton> antigo = h.board.Botoes[0];
    h.board.MontarBotoes();
    QVERIFY(h.board.montagemPendente());
    QVERIFY(!antigo.isNull());
    QCOMPARE(dm.Q_Sonopaine->fieldByName(QStringLiteral("BT_DESCRICAO")).asString(), QStringLiteral("Editado"));
    dm.Q_Sonopaine->post();
    QCoreApplication::sendPostedEvents();
    QVERIFY(!h.board.montagemPendente());
    QVERIFY(antigo.isNull());
    QCOMPARE(h.board.Botoes[0]->caption(), QStringLiteral("Editado"));
    test::Peer peer(f.databasePath(), test::kEmbeddedOnly);
    QCOMPARE(peer.scalar("SELECT BT_DESCRICAO FROM TB_SONOPAINE WHERE BT_ORDEM = 1").toBytes(), QByteArray("Editado"));
  }

  void popupOverButtonAndEmptyBoard() {
    test::BoardFixture f;
    f.addProfile("Perfil", 100, test::botoes(2));
    f.start();
    Host h(f.path());
    h.board.MontarBotoes();
    QSignalSpy spy(&h.board, &TQuadroBotoes::popupSolicitado);
    QContextMenuEvent sobre(QContextMenuEvent::Mouse, QPoint(5, 5), h.board.Botoes[1]->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(h.board.Botoes[1], &sobre);
    QContextMenuEvent vazio(QContextMenuEvent::Mouse, QPoint(500, 500), QPoint(500, 500));
    QApplication::sendEvent(h.board.Sonopaine->widget(), &vazio);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy[0][0].value<widgets::TRSpeedButton*>(), h.board.Botoes[1].data());
    QCOMPARE(spy[1][0].value<widgets::TRSpeedButton*>(), nullptr);
  }
};

QTEST_MAIN(TestBoard)
#include "tst_board.moc"
