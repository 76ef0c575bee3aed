// The data module's datasets and the schema against real embedded
// databases: order numbers, generators, procedures, cascades, commits and
// 1252 text, as a studio would meet them.

#include "app/data/DM_Sonopaine.h"
#include "platform/firebird/FbError.h"
#include "platform/text/CodePage.h"
#include "support/data/TestDatabase.h"

#include <QtTest>

using namespace sono;
using sono::test::Peer;
using sono::test::TestFolder;

namespace {

struct Fixture {
  TestFolder folder;
  QString db = folder.newDatabase();
  std::unique_ptr<Peer> peer = std::make_unique<Peer>(db, test::kEmbeddedOnly);
  std::unique_ptr<TDM> dm;

  void start() {
    folder.writeIni("[BANCO]\r\nCAMINHO=" + text::toAnsi(db) + "\r\n");
    dm = std::make_unique<TDM>(folder.path());
    dm->DataModuleCreate();
    QVERIFY(dm->DB_Audio->connected());
  }
  void profile(int code, const QByteArray& name, int size = 100) {
    peer->exec("INSERT INTO TB_PERFILBOTOES VALUES (" + QByteArray::number(code) + ", '" + name + "', " +
               QByteArray::number(size) + ")");
  }
  void button(int code, int profile, const QByteArray& ordem, const QByteArray& desc = "b") {
    peer->exec("INSERT INTO TB_SONOPAINE (BT_CODIGO, PBO_CODIGO, BT_ORDEM, BT_DESCRICAO) VALUES (" +
               QByteArray::number(code) + ", " + QByteArray::number(profile) + ", " + ordem + ", '" + desc + "')");
  }
  QList<int> orders(int profile) {
    QList<int> out;
    for (const auto& r : peer->rows("SELECT BT_ORDEM FROM TB_SONOPAINE WHERE PBO_CODIGO = " +
                                    QByteArray::number(profile) + " ORDER BY BT_CODIGO"))
      out << int(r[0].toInteger());
    return out;
  }
  void selectProfile(int code) {
    QVERIFY(dm->Q_PerfilBotoes->locate(QStringLiteral("PBO_CODIGO"), fb::FbValue(code)));
    if (!dm->Q_Sonopaine->active()) dm->Q_Sonopaine->open();
  }
};

}  // namespace

class TstFirebird : public QObject {
  Q_OBJECT
 private slots:
  void newButtonOrderTakesHighestOfAllProfiles_data() {
    QTest::addColumn<bool>("withButtons");
    QTest::addColumn<int>("expected");
    QTest::newRow("3 beside 17") << true << 18;
    QTest::newRow("empty table") << false << 0;
  }
  void newButtonOrderTakesHighestOfAllProfiles() {
    QFETCH(bool, withButtons);
    QFETCH(int, expected);
    Fixture f;
    f.profile(1, "Manhã");
    f.profile(2, "Tarde");
    if (withButtons) {
      f.button(100, 1, "3");
      f.button(101, 2, "17");
      f.button(102, 2, "NULL");
    }
    f.start();
    f.selectProfile(1);
    f.dm->Q_Sonopaine->append();
    QCOMPARE(f.dm->Q_Sonopaine->fieldByName("BT_ORDEM").asInteger(), expected);
    QVERIFY(!f.dm->Q_Sonopaine->fieldByName("BT_ORDEM").isNull());
  }

  void cancelledRowsConsumeCodes() {
    Fixture f;
    f.profile(1, "P");
    f.start();
    f.selectProfile(1);
    auto* q = f.dm->Q_Sonopaine;
    q->append();
    const int first = q->fieldByName("BT_CODIGO").asInteger();
    q->cancel();
    QCOMPARE(q->recordCount(), 0);
    q->append();
    QCOMPARE(q->fieldByName("BT_CODIGO").asInteger(), first + 1);
    q->fieldByName("PBO_CODIGO").setInteger(1);
    q->post();
    QCOMPARE(f.peer->scalar("SELECT BT_CODIGO FROM TB_SONOPAINE").toInteger(), first + 1);
    // Profiles draw from their own generator.
    f.dm->Q_PerfilBotoes->append();
    QCOMPARE(f.dm->Q_PerfilBotoes->fieldByName("PBO_CODIGO").asInteger(), 1);
    f.dm->Q_PerfilBotoes->cancel();
  }

  void postAndDeleteAreCommittedAtOnce() {
    Fixture f;
    f.profile(1, "P");
    f.start();
    f.selectProfile(1);
    auto* q = f.dm->Q_Sonopaine;
    q->append();
    q->fieldByName("PBO_CODIGO").setInteger(1);
    q->fieldByName("BT_DESCRICAO").setString("Vinheta");
    q->fieldByName("BT_LOOP").setString("S");
    q->post();
    QCOMPARE(q->state(), fb::DatasetState::Browse);
    QVERIFY(!q->updatesPending());
    // Another terminal sees it without any further step.
    QCOMPARE(f.peer->scalar("SELECT BT_DESCRICAO FROM TB_SONOPAINE").toBytes(), QByteArray("Vinheta"));
    q->edit();
    q->fieldByName("BT_DESCRICAO").setString("Outra");
    q->post();
    QCOMPARE(f.peer->scalar("SELECT BT_DESCRICAO FROM TB_SONOPAINE").toBytes(), QByteArray("Outra"));
    q->deleteRecord();
    QCOMPARE(f.peer->scalar("SELECT COUNT(*) FROM TB_SONOPAINE").toInteger(), 0);
  }

  void deletingAProfileDeletesItsButtons() {
    Fixture f;
    f.profile(1, "Fica");
    f.profile(2, "Sai");
    f.button(10, 1, "1");
    f.button(11, 2, "1");
    f.button(12, 2, "2");
    f.start();
    QVERIFY(f.dm->Q_PerfilBotoes->locate("PBO_CODIGO", fb::FbValue(2)));
    f.dm->Q_PerfilBotoes->deleteRecord();
    QCOMPARE(f.peer->scalar("SELECT COUNT(*) FROM TB_SONOPAINE WHERE PBO_CODIGO = 2").toInteger(), 0);
    QCOMPARE(f.peer->scalar("SELECT COUNT(*) FROM TB_SONOPAINE WHERE PBO_CODIGO = 1").toInteger(), 1);
    QCOMPARE(f.peer->scalar("SELECT COUNT(*) FROM TB_PERFILBOTOES").toInteger(), 1);
  }

  void buttonsFollowTheCurrentProfileInBoardOrder() {
    Fixture f;
    f.profile(1, "A");
    f.profile(2, "B");
    f.button(30, 1, "2", "a30");
    f.button(20, 1, "2", "a20");
    f.button(40, 1, "1", "a40");
    f.button(50, 2, "1", "b50");
    f.start();
    f.dm->Q_Sonopaine->open();
    auto descriptions = [&] {
      QStringList out;
      for (f.dm->Q_Sonopaine->first(); !f.dm->Q_Sonopaine->eof(); f.dm->Q_Sonopaine->next())
        out << f.dm->Q_Sonopaine->fieldByName("BT_DESCRICAO").asString();
      return out;
    };
    QCOMPARE(f.dm->Q_PerfilBotoes->fieldByName("PBO_CODIGO").asInteger(), 1);
    QCOMPARE(descriptions(), (QStringList{"a40", "a20", "a30"}));
    f.dm->Q_PerfilBotoes->next();
    QCOMPARE(descriptions(), QStringList{"b50"});
    QCOMPARE(f.dm->Q_Sonopaine->recNo(), 1);
  }

  void openPosition_data() {
    QTest::addColumn<int>("ordem");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("open 5") << 5 << QList<int>{1, 2, 3, 4, 6};
    QTest::newRow("open 2") << 2 << QList<int>{1, 3, 4, 5, 6};
    QTest::newRow("open past the end") << 9 << QList<int>{1, 2, 3, 4, 5};
  }
  void openPosition() {
    QFETCH(int, ordem);
    QFETCH(QList<int>, expected);
    Fixture f;
    f.profile(1, "P");
    f.profile(2, "Q");
    for (int i = 1; i <= 5; ++i) f.button(i, 1, QByteArray::number(i));
    f.button(9, 2, "3");
    f.start();
    f.dm->SP_AlteraOrdemSonopaine.setParam("ORDEM", ordem);
    f.dm->SP_AlteraOrdemSonopaine.setParam("PERFIL", 1);
    f.dm->SP_AlteraOrdemSonopaine.execProc();
    f.dm->Trans_Audio->commitRetaining();
    QCOMPARE(f.orders(1), expected);
    QCOMPARE(f.orders(2), QList<int>{3});
  }

  void renumberFollowsBoardOrder() {
    Fixture f;
    f.profile(1, "P");
    f.profile(2, "Q");
    f.button(10, 1, "7");
    f.button(11, 1, "3");
    f.button(12, 1, "7");  // tie with 10: the lower code comes first
    f.button(13, 1, "40");
    f.button(14, 2, "7");
    f.start();
    f.dm->SP_ReordenarSonopaine.setParam("PERFIL", 1);
    f.dm->SP_ReordenarSonopaine.execProc();
    f.dm->Trans_Audio->commitRetaining();
    QCOMPARE(f.orders(1), (QList<int>{2, 1, 3, 4}));
    QCOMPARE(f.orders(2), QList<int>{7});
  }

  void accentedTextIsStoredAsCodePage1252() {
    Fixture f;
    f.profile(1, "P");
    f.start();
    const QString name = QString::fromUtf8("Vinheta Ação Ç é");
    f.dm->Q_PerfilBotoes->edit();
    f.dm->Q_PerfilBotoes->fieldByName("PBO_DESCRICAO").setString(name);
    f.dm->Q_PerfilBotoes->post();
    QCOMPARE(f.peer->scalar("SELECT PBO_DESCRICAO FROM TB_PERFILBOTOES").toBytes(),
             QByteArray("Vinheta A\xe7\xe3o \xc7 \xe9"));
    f.dm->Q_PerfilBotoes->close();
    f.dm->Q_PerfilBotoes->open();
    QCOMPARE(f.dm->Q_PerfilBotoes->fieldByName("PBO_DESCRICAO").asString(), name);
  }

  void failedApplyKeepsTheChangeAndCommitsNothing() {
    Fixture f;
    f.profile(1, "Antigo");
    f.start();
    auto* q = f.dm->Q_PerfilBotoes;
    q->edit();
    q->fieldByName("PBO_TAMANHO").setInteger(140);
    q->fieldByName("PBO_DESCRICAO").setString(QString(60, 'x'));  // column holds 45
    try {
      q->post();
      QFAIL("the post should have raised");
    } catch (const fb::FbError& e) {
      QVERIFY2(e.message().contains("truncation", Qt::CaseInsensitive), qPrintable(e.message()));
    }
    QVERIFY(q->updatesPending());
    QCOMPARE(f.peer->scalar("SELECT PBO_TAMANHO FROM TB_PERFILBOTOES").toInteger(), 100);
    // Corrected, the same row goes through.
    q->edit();
    q->fieldByName("PBO_DESCRICAO").setString("Novo");
    q->post();
    QVERIFY(!q->updatesPending());
    QCOMPARE(f.peer->scalar("SELECT PBO_DESCRICAO || PBO_TAMANHO FROM TB_PERFILBOTOES").toBytes(),
             QByteArray("Novo140"));
  }

  void configurationStaysInEditState_data() {
    QTest::addColumn<bool>("withRow");
    QTest::addColumn<bool>("cancel");
    QTest::newRow("post") << true << false;
    QTest::newRow("cancel") << true << true;
    QTest::newRow("post, table empty") << false << false;
    QTest::newRow("cancel, table empty") << false << true;
  }
  void configurationStaysInEditState() {
    QFETCH(bool, withRow);
    QFETCH(bool, cancel);
    Fixture f;
    if (!withRow) f.peer->exec("DELETE FROM TB_CONFIGURACAO");
    f.start();
    auto* c = f.dm->TB_Configuracao;
    QVERIFY(c->active());
    c->edit();
    c->fieldByName("CFG_CODIGO").setInteger(1);
    c->fieldByName("CFG_SKIN").setString("Azul");
    cancel ? c->cancel() : c->post();
    QCOMPARE(c->state(), withRow || !cancel ? fb::DatasetState::Edit : fb::DatasetState::Insert);
    QCOMPARE(c->fieldByName("CFG_CODIGO").asInteger(), 1);
    // Posting alone commits nothing; closing the connection does.
    QCOMPARE(f.peer->scalar("SELECT COUNT(*) FROM TB_CONFIGURACAO WHERE CFG_SKIN = 'Azul'").toInteger(), 0);
    c->cancel();
    f.dm.reset();
    QCOMPARE(f.peer->scalar("SELECT COUNT(*) FROM TB_CONFIGURACAO WHERE CFG_SKIN = 'Azul'").toInteger(),
             cancel ? 0 : 1);
  }

  void errorsCarryTheDatabaseText() {
    Fixture f;
    try {
      f.peer->exec("SELECT NO_SUCH_COLUMN FROM TB_SONOPAINE");
      QFAIL("no error");
    } catch (const fb::FbError& e) {
      QVERIFY2(e.message().contains("NO_SUCH_COLUMN"), qPrintable(e.message()));
      QVERIFY(e.sqlCode() < 0);
    }
  }
};

QTEST_GUILESS_MAIN(TstFirebird)
#include "tst_firebird.moc"
