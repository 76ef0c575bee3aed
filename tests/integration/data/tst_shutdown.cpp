// The real executable, stopped the ways a studio machine stops it: a
// termination signal, and its display going away. Either way it must end
// promptly and leave its database closed and committed.

#include "platform/text/CodePage.h"
#include "support/data/TestDatabase.h"

#include <QProcess>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QtTest>

#include <csignal>

using namespace sono;

namespace {

// An installation folder with the executable, a BaseKyrel.ini and a database.
struct Installation {
  test::TestFolder folder;
  QString db = folder.newDatabase();
  QString exe = folder.file("Sonopaine");
  Installation() {
    QFile::copy(QStringLiteral(SONO_EXECUTABLE), exe);
    folder.writeIni("[BANCO]\nCAMINHO=" + text::toAnsi(db) + "\n");
  }
  // The configuration stays in edit state; its post is committed only by
  // the connection's close.
  bool databaseFree() {
    try {
      test::Peer peer(db, test::kEmbeddedOnly);
      return peer.scalar("SELECT COUNT(*) FROM TB_CONFIGURACAO").toInteger() == 1;
    } catch (...) {
      return false;
    }
  }
};

// A program that failed the test must not live on after it.
auto reaper(QProcess& p) {
  return qScopeGuard([&p] {
    if (p.state() != QProcess::NotRunning) {
      p.kill();
      p.waitForFinished(5000);
    }
  });
}

bool waitForWindow(QProcess& p) {
  // Started and running its event loop: give it a moment after start-up.
  if (!p.waitForStarted(10000)) return false;
  QTest::qWait(1500);
  return p.state() == QProcess::Running;
}

}  // namespace

class TstShutdown : public QObject {
  Q_OBJECT
 private slots:
  void terminationSignalClosesInOrder_data() {
    QTest::addColumn<int>("signal");
    QTest::newRow("SIGTERM") << int(SIGTERM);
    QTest::newRow("SIGINT") << int(SIGINT);
    QTest::newRow("SIGHUP") << int(SIGHUP);
  }
  void terminationSignalClosesInOrder() {
    QFETCH(int, signal);
    Installation inst;
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    const auto reap = reaper(p);
    p.start(inst.exe, {});
    QVERIFY(waitForWindow(p));
    ::kill(static_cast<pid_t>(p.processId()), signal);
    QVERIFY2(p.waitForFinished(20000), "the program did not end after the signal");
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 0);
    QVERIFY(inst.databaseFree());
  }

  void lostDisplayDoesNotHang() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (xvfb.isEmpty()) QSKIP("Xvfb is not installed");
    Installation inst;
    QProcess server;
    const QString display = QStringLiteral(":%1").arg(90 + (QCoreApplication::applicationPid() % 50));
    server.start(xvfb, {display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"});
    QVERIFY(server.waitForStarted(10000));
    QTest::qWait(1000);
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "xcb");
    env.insert("DISPLAY", display);
    p.setProcessEnvironment(env);
    const auto reap = reaper(p);
    const auto reapServer = reaper(server);
    p.start(inst.exe, {});
    QVERIFY(waitForWindow(p));
    server.kill();
    server.waitForFinished(5000);
    QVERIFY2(p.waitForFinished(20000), "the program hung after losing its display");
    QVERIFY(inst.databaseFree());
  }
};

QTEST_GUILESS_MAIN(TstShutdown)
#include "tst_shutdown.moc"
