// BaseKyrel.ini reading: what the Windows profile functions would return.

#include "platform/ini/IniFile.h"
#include "platform/text/CodePage.h"

#include <QtTest>

using sono::ini::IniFile;

class TstIniFile : public QObject {
  Q_OBJECT
 private slots:
  void values_data() {
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray std = "[BANCO]\r\nCAMINHO=srv:/db/SONOPAINEDB.FDB\r\nCONECTA_KYREL_PLAY=S\r\n";
    QTest::newRow("plain") << std << QByteArray("CAMINHO") << QByteArray("srv:/db/SONOPAINEDB.FDB");
    QTest::newRow("key case") << std << QByteArray("conecta_kyrel_play") << QByteArray("S");
    QTest::newRow("section case, spaces, quotes")
        << QByteArray("[ banco ]\nCAMINHO =  \"/a b/x.fdb\"  \n") << QByteArray("CAMINHO") << QByteArray("/a b/x.fdb");
    QTest::newRow("missing key") << std << QByteArray("CAMINHO_KYREL_PLAY") << QByteArray();
    QTest::newRow("first of a repeated key wins")
        << QByteArray("[BANCO]\nCAMINHO=/first.fdb\nCAMINHO=/second.fdb\n") << QByteArray("CAMINHO")
        << QByteArray("/first.fdb");
    QTest::newRow("only the first section of the name")
        << QByteArray("[BANCO]\nA=1\n[OUTRO]\nCAMINHO=/other\n[BANCO]\nCAMINHO=/late\n") << QByteArray("CAMINHO")
        << QByteArray();
    QTest::newRow("other section") << QByteArray("[OUTRO]\nCAMINHO=/x\n") << QByteArray("CAMINHO") << QByteArray();
    QTest::newRow("comment") << QByteArray("[BANCO]\n;CAMINHO=/x\n") << QByteArray("CAMINHO") << QByteArray();
    QTest::newRow("no line end") << QByteArray("[BANCO]\nCAMINHO=/x") << QByteArray("CAMINHO") << QByteArray("/x");
    QTest::newRow("binary") << QByteArray("\x00\xff[\x01\x02=\x00\n\xfe", 9) << QByteArray("CAMINHO") << QByteArray();
    QTest::newRow("equals in value") << QByteArray("[BANCO]\nCAMINHO=a=b\n") << QByteArray("CAMINHO")
                                     << QByteArray("a=b");
  }
  void values() {
    QFETCH(QByteArray, contents);
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, expected);
    QCOMPARE(IniFile(contents).value("BANCO", key), expected);
  }

  void accentedPathIsCodePage1252() {
    const IniFile ini(QByteArray("[BANCO]\nCAMINHO=/r\xe1" "dio/\xc1udio.fdb\n"));
    QCOMPARE(sono::text::fromAnsi(ini.value("BANCO", "CAMINHO")), QString::fromUtf8("/rádio/Áudio.fdb"));
  }

  void sectionPresence() {
    QVERIFY(IniFile("[banco]\n").hasSection("BANCO"));
    QVERIFY(!IniFile("BANCO\nCAMINHO=x").hasSection("BANCO"));
    QVERIFY(!IniFile::load(QStringLiteral("/nonexistent/BaseKyrel.ini")).has_value());
  }
};

QTEST_GUILESS_MAIN(TstIniFile)
#include "tst_inifile.moc"
