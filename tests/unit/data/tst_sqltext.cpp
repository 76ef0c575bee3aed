// Named parameters and script splitting: the two parsers of SQL text.

#include "platform/firebird/ScriptParser.h"
#include "platform/firebird/SqlParams.h"

#include <QtTest>

using namespace sono::fb;
using K = ScriptCommand::Kind;

class TstSqlText : public QObject {
  Q_OBJECT
 private slots:
  void namedParams_data() {
    QTest::addColumn<QByteArray>("sql");
    QTest::addColumn<QByteArray>("rewritten");
    QTest::addColumn<QStringList>("names");
    QTest::newRow("plain") << QByteArray("select * from t where a = :A and b = :b_2")
                           << QByteArray("select * from t where a = ? and b = ?") << QStringList{"A", "B_2"};
    QTest::newRow("repeated") << QByteArray("x = :P or y = :p") << QByteArray("x = ? or y = ?")
                              << QStringList{"P", "P"};
    QTest::newRow("in literal") << QByteArray("a = ':no' and b = 'it''s :no' and c = :yes")
                                << QByteArray("a = ':no' and b = 'it''s :no' and c = ?") << QStringList{"YES"};
    QTest::newRow("in comments") << QByteArray("a = 1 -- :no\n/* :no */ and b = :OLD_X")
                                 << QByteArray("a = 1 -- :no\n/* :no */ and b = ?") << QStringList{"OLD_X"};
    QTest::newRow("double colon, lone colon") << QByteArray("a::int, b = : , c = :") << QByteArray("a::int, b = : , c = :")
                                              << QStringList{};
    QTest::newRow("quoted name keeps case") << QByteArray("a = :\"Mixed\"") << QByteArray("a = ?")
                                            << QStringList{"Mixed"};
    QTest::newRow("unterminated literal") << QByteArray("a = 'open :x") << QByteArray("a = 'open :x") << QStringList{};
  }
  void namedParams() {
    QFETCH(QByteArray, sql);
    QFETCH(QByteArray, rewritten);
    QFETCH(QStringList, names);
    const ParsedSql p = parseNamedParams(sql);
    QCOMPARE(p.sql, rewritten);
    QCOMPARE(p.names, names);
  }

  void scriptWithTerminators() {
    const QByteArray script =
        "SET SQL DIALECT 1;\n"
        "set names none;\n"
        "CREATE TABLE T (A INTEGER); -- a comment; with a semicolon\n"
        "/* block ; comment */\n"
        "SET TERM ^ ;\n"
        "CREATE PROCEDURE P AS BEGIN\n  INSERT INTO T VALUES (1);\nEND^\n"
        "SET TERM ; ^\n"
        "INSERT INTO T VALUES (';');\n"
        "COMMIT WORK;\n"
        "SELECT 1 FROM RDB$DATABASE";
    const ParsedScript p = parseScript(script);
    QCOMPARE(p.commands.size(), 8);
    QCOMPARE(p.commands[0].kind, K::SetSqlDialect);
    QCOMPARE(p.commands[0].number, 1);
    QCOMPARE(p.commands[1].kind, K::SetNames);
    QCOMPARE(p.commands[2].kind, K::Sql);
    QCOMPARE(p.commands[2].line, 3);
    QCOMPARE(p.commands[3].kind, K::SetTerm);
    QCOMPARE(p.commands[3].argument, QByteArray("^"));
    QCOMPARE(p.commands[4].kind, K::Sql);
    QVERIFY(p.commands[4].text.endsWith("END"));
    QVERIFY(p.commands[4].text.contains("VALUES (1);"));
    QCOMPARE(p.commands[4].line, 6);
    QCOMPARE(p.commands[5].kind, K::SetTerm);
    QCOMPARE(p.commands[6].text, QByteArray("INSERT INTO T VALUES (';')"));
    QCOMPARE(p.commands[7].kind, K::Commit);
    QCOMPARE(p.trailing, QByteArray("SELECT 1 FROM RDB$DATABASE"));
  }

  void toolCommands_data() {
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QByteArray>("argument");
    QTest::addColumn<QByteArray>("user");
    QTest::addColumn<QByteArray>("password");
    QTest::newRow("create") << QByteArray("CREATE DATABASE 'srv:/data/x.fdb' USER 'SYSDBA' PASSWORD 'pw' PAGE_SIZE 8192")
                            << int(K::CreateDatabase) << QByteArray("srv:/data/x.fdb") << QByteArray("SYSDBA")
                            << QByteArray("pw");
    QTest::newRow("connect") << QByteArray("connect \"C:\\Kyrel\\db.fdb\" user sysdba password 'a''b'")
                             << int(K::Connect) << QByteArray("C:\\Kyrel\\db.fdb") << QByteArray("sysdba")
                             << QByteArray("a'b");
    QTest::newRow("autoddl") << QByteArray("SET AUTODDL OFF") << int(K::SetAutoDdl) << QByteArray() << QByteArray()
                             << QByteArray();
    QTest::newRow("set generator is sql") << QByteArray("SET GENERATOR G TO 5") << int(K::Sql) << QByteArray()
                                          << QByteArray() << QByteArray();
    QTest::newRow("commit in a name is sql") << QByteArray("COMMIT_LOG") << int(K::Sql) << QByteArray() << QByteArray()
                                             << QByteArray();
    QTest::newRow("rollback") << QByteArray("rollback") << int(K::Rollback) << QByteArray() << QByteArray()
                              << QByteArray();
  }
  void toolCommands() {
    QFETCH(QByteArray, text);
    QFETCH(int, kind);
    QFETCH(QByteArray, argument);
    QFETCH(QByteArray, user);
    QFETCH(QByteArray, password);
    const ParsedScript p = parseScript(text + ";");
    QCOMPARE(p.commands.size(), 1);
    QCOMPARE(int(p.commands[0].kind), kind);
    QCOMPARE(p.commands[0].argument, argument);
    QCOMPARE(p.commands[0].user, user);
    QCOMPARE(p.commands[0].password, password);
  }
};

QTEST_GUILESS_MAIN(TstSqlText)
#include "tst_sqltext.moc"
