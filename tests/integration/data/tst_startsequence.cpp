// The start sequence and the shutdown as the executable runs them.

#include "app/Application.h"
#include "app/data/DM_Sonopaine.h"
#include "board/U_Sonopaine.h"
#include "platform/text/CodePage.h"
#include "platform/widgets/Dialogs.h"
#include "support/data/TestDatabase.h"

#include <QApplication>
#include <QtTest>

using namespace sono;

class TstStartSequence : public QObject {
  Q_OBJECT
 private slots:
  void startsAndCommitsAtShutdown() {
    test::TestFolder folder;
    const QString db = folder.newDatabase();
    folder.writeIni("[BANCO]\nCAMINHO=" + text::toAnsi(db) + "\n");
    dialogs::ScopedResponder answers;
    {
      app::Application application(folder.path());
      QCOMPARE(DM, &application.dataModule());
      QVERIFY(DM->Q_PerfilBotoes->active());
      application.show();
      QVERIFY(application.mainWindow().isVisible());
      QCOMPARE(application.mainWindow().windowTitle(), QStringLiteral("Kyrel Sonopaine 2015"));
      DM->TB_Configuracao->edit();
      DM->TB_Configuracao->fieldByName("CFG_SKIN").setString("Noite");
      DM->TB_Configuracao->post();
    }
    QCOMPARE(DM, nullptr);
    QVERIFY(answers.asked().isEmpty());
    // The posted configuration was committed when the connection closed.
    test::Peer peer(db, test::kEmbeddedOnly);
    QCOMPARE(peer.scalar("SELECT CFG_SKIN FROM TB_CONFIGURACAO").toBytes(), QByteArray("Noite"));
  }

  void startsWithoutIni() {
    test::TestFolder folder;
    dialogs::ScopedResponder answers;
    app::Application application(folder.path());
    application.show();
    QVERIFY(answers.asked().isEmpty());
    QVERIFY(!DM->Q_PerfilBotoes->active());
  }
};

QTEST_MAIN(TstStartSequence)
#include "tst_startsequence.moc"
