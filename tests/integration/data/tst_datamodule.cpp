// Start-up of the data module: BaseKyrel.ini, the connections and their
// failures, and sibling mode, against embedded databases and the loopback
// server started by the test script.

#include "app/data/ConnectionString.h"
#include "app/data/DM_Sonopaine.h"
#include "platform/text/CodePage.h"
#include "platform/widgets/Dialogs.h"
#include "support/data/TestDatabase.h"

#include <QtTest>

using namespace sono;
using sono::test::Peer;
using sono::test::TestFolder;

namespace {

const QString kOwnFailed = QString::fromUtf8("Não foi possível Conectar com a Base de Dados");
const QString kSiblingFailed = QString::fromUtf8("Não foi possível Conectar com a Base de Dados do Kyrel Play");

}  // namespace

class TstDataModule : public QObject {
  Q_OBJECT
 private slots:
  void withoutIniNothingHappens() {
    TestFolder folder;
    dialogs::ScopedResponder answers;
    TDM dm(folder.path());
    dm.DataModuleCreate();
    QVERIFY(answers.asked().isEmpty());
    QVERIFY(!dm.DB_Audio->connected());
    QVERIFY(!dm.Q_PerfilBotoes->active());
    QVERIFY(!dm.TB_Configuracao->active());
    QVERIFY(dm.DB_Audio->databaseName().endsWith("kyreldb/SONOPAINEDB.FDB"));
  }

  // Each case: what the INI says (with {DB} for a good database, {DIR} for
  // the folder), what the operator is told, and whether the data opened.
  void ownDatabase_data() {
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("opened");
    QTest::newRow("good") << QByteArray("[BANCO]\r\nCAMINHO={DB}\r\n") << QStringList{} << true;
    QTest::newRow("missing file") << QByteArray("[BANCO]\nCAMINHO={DIR}/nada.fdb\n") << QStringList{kOwnFailed}
                                  << false;
    QTest::newRow("corrupt file") << QByteArray("[BANCO]\nCAMINHO={DIR}/corrupt.fdb\n") << QStringList{kOwnFailed}
                                  << false;
    QTest::newRow("foreign file") << QByteArray("[BANCO]\nCAMINHO={DIR}/notes.txt\n") << QStringList{kOwnFailed}
                                  << false;
    QTest::newRow("database without tables") << QByteArray("[BANCO]\nCAMINHO={DIR}/empty.fdb\n")
                                             << QStringList{kOwnFailed} << false;
    QTest::newRow("binary ini") << QByteArray("\x00\x01\xff\xfe[BANCO\x00]\x02\x03", 12) << QStringList{kOwnFailed}
                                << false;
    QTest::newRow("no BANCO section") << QByteArray("[OUTRA]\nCAMINHO={DB}\n") << QStringList{kOwnFailed} << false;
    QTest::newRow("repeated key: the first counts")
        << QByteArray("[BANCO]\nCAMINHO={DB}\nCAMINHO={DIR}/nada.fdb\n") << QStringList{} << true;
    QTest::newRow("server not listening") << QByteArray("[BANCO]\nCAMINHO=127.0.0.1/3099:{DB}\n")
                                          << QStringList{kOwnFailed} << false;
    QTest::newRow("through the server") << QByteArray("[BANCO]\nCAMINHO=localhost:{SRVDB}\n") << QStringList{}
                                        << true;
    QTest::newRow("accented folder in 1252") << QByteArray("[BANCO]\nCAMINHO={ACCENTDB}\n") << QStringList{} << true;
  }
  void ownDatabase() {
    QFETCH(QByteArray, ini);
    QFETCH(QStringList, messages);
    QFETCH(bool, opened);
    TestFolder folder;
    const QString db = folder.newDatabase();
    const QString srvDb = folder.newDatabase("SERVIDOR.FDB");
    {
      QFile f(folder.file("corrupt.fdb"));
      f.open(QIODevice::WriteOnly);
      f.write(QByteArray(64 * 1024, '\x5a'));
      QFile t(folder.file("notes.txt"));
      t.open(QIODevice::WriteOnly);
      t.write("not a database\n");
    }
    {
      fb::FbDatabase empty;
      empty.setDatabaseName(folder.file("empty.fdb"));
      empty.setParams(data::connectionParams());
      empty.setSqlDialect(1);
      empty.setConfig(test::kEmbeddedOnly);
      empty.createDatabase();
    }
    const QString accentDir = folder.file(QString::fromUtf8("Rádio Ação"));
    QDir().mkpath(accentDir);
    const QString accentDb = QDir(accentDir).filePath("SONOPAINEDB.FDB");
    data::createDatabase(accentDb, test::kEmbeddedOnly);
    ini.replace("{DB}", text::toAnsi(db));
    ini.replace("{SRVDB}", text::toAnsi(srvDb));
    ini.replace("{ACCENTDB}", text::toAnsi(accentDb));
    ini.replace("{DIR}", text::toAnsi(folder.path()));
    folder.writeIni(ini);

    dialogs::ScopedResponder answers;
    TDM dm(folder.path());
    dm.DataModuleCreate();
    QCOMPARE(answers.texts(), messages);
    QCOMPARE(dm.Q_PerfilBotoes->active(), opened);
    QCOMPARE(dm.TB_Configuracao->active(), opened);
    if (opened) {
      QCOMPARE(dm.TB_Configuracao->recNo(), 1);
      QCOMPARE(dm.TB_Configuracao->fieldByName("CFG_CODIGO").asInteger(), 1);
    }
    QVERIFY(dm.ServidorKyrelPlay.isEmpty());
  }

  void serverPartIsBeforeTheFirstColon_data() {
    QTest::addColumn<QString>("connection");
    QTest::addColumn<QString>("server");
    QTest::newRow("server and path") << "srv:/data/Kyreldb.fdb" << "srv";
    QTest::newRow("path with a drive letter") << "SRVPLAY:C:\\Kyrel\\Kyrel Play\\kyreldb\\Kyreldb.fdb" << "SRVPLAY";
    QTest::newRow("no colon") << "/data/Kyreldb.fdb" << "";
    QTest::newRow("empty") << "" << "";
  }
  void serverPartIsBeforeTheFirstColon() {
    QFETCH(QString, connection);
    QFETCH(QString, server);
    QCOMPARE(data::serverPart(connection), server);
  }

  void siblingMode_data() {
    QTest::addColumn<QByteArray>("flag");
    QTest::addColumn<QByteArray>("sibling");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<bool>("attached");
    QTest::newRow("S") << QByteArray("S") << QByteArray("localhost:{SIB}") << QStringList{} << true;
    QTest::newRow("lower-case s") << QByteArray("s") << QByteArray("localhost:{SIB}") << QStringList{} << false;
    QTest::newRow("SIM") << QByteArray("SIM") << QByteArray("localhost:{SIB}") << QStringList{} << false;
    QTest::newRow("unreachable") << QByteArray("S") << QByteArray("127.0.0.1/3099:{SIB}")
                                 << QStringList{kSiblingFailed} << false;
    QTest::newRow("without the tables") << QByteArray("S") << QByteArray("localhost:{BARE}")
                                        << QStringList{kSiblingFailed} << false;
  }
  void siblingMode() {
    QFETCH(QByteArray, flag);
    QFETCH(QByteArray, sibling);
    QFETCH(QStringList, messages);
    QFETCH(bool, attached);
    TestFolder folder;
    const QString own = folder.newDatabase();
    const QString sib = folder.newDatabase("Kyreldb.fdb");
    {
      fb::FbDatabase bare;
      bare.setDatabaseName(folder.file("bare.fdb"));
      bare.setParams(data::connectionParams());
      bare.setSqlDialect(1);
      bare.setConfig(test::kEmbeddedOnly);
      bare.createDatabase();
    }
    Peer(own, test::kEmbeddedOnly).exec("INSERT INTO TB_PERFILBOTOES VALUES (1, 'Nosso', 100)");
    Peer(sib, test::kEmbeddedOnly)
        .exec("INSERT INTO TB_PERFILBOTOES VALUES (7, '" + text::toAnsi(QString::fromUtf8("Irmão")) + "', 120)");
    sibling.replace("{SIB}", text::toAnsi(sib));
    sibling.replace("{BARE}", text::toAnsi(folder.file("bare.fdb")));
    folder.writeIni("[BANCO]\nCAMINHO=" + text::toAnsi(own) + "\nCONECTA_KYREL_PLAY=" + flag +
                    "\nCAMINHO_KYREL_PLAY=" + sibling + "\nCAMINHO_BOTOES_KYREL_PLAY=/srv/botoes/\n");

    dialogs::ScopedResponder answers;
    TDM dm(folder.path());
    dm.DataModuleCreate();
    QCOMPARE(answers.texts(), messages);
    QCOMPARE(dm.ConectaKyrelPlay, QString::fromLatin1(flag));
    QCOMPARE(dm.CaminhoBotoesKyrelPlay, QStringLiteral("/srv/botoes/"));
    QCOMPARE(dm.ServidorKyrelPlay, attached ? QStringLiteral("localhost") : QString());
    fb::FbDatabase* buttons = attached ? dm.DB_KyrelPlay : dm.DB_Audio;
    QCOMPARE(dm.Q_PerfilBotoes->database(), buttons);
    QCOMPARE(dm.Q_Sonopaine->database(), buttons);
    QCOMPARE(dm.Q_PerfilBotoes->transaction(), attached ? dm.Trans_KyrelPlay : dm.Trans_Audio);
    // Only the two queries move; configuration and procedures stay at home.
    QCOMPARE(dm.TB_Configuracao->database(), dm.DB_Audio);
    QVERIFY(dm.TB_Configuracao->active());
    QVERIFY(dm.Q_PerfilBotoes->active());
    QCOMPARE(dm.Q_PerfilBotoes->fieldByName("PBO_DESCRICAO").asString(),
             attached ? QString::fromUtf8("Irmão") : QStringLiteral("Nosso"));
    if (attached) {
      // A new button in sibling mode is numbered and written there.
      dm.Q_Sonopaine->open();
      dm.Q_Sonopaine->append();
      dm.Q_Sonopaine->fieldByName("PBO_CODIGO").setInteger(7);
      dm.Q_Sonopaine->post();
      dm.Q_Sonopaine->close();
      dm.DB_KyrelPlay->close();
      QCOMPARE(Peer(test::serverName(sib)).scalar("SELECT COUNT(*) FROM TB_SONOPAINE").toInteger(), 1);
    }
  }
};

QTEST_GUILESS_MAIN(TstDataModule)
#include "tst_datamodule.moc"
