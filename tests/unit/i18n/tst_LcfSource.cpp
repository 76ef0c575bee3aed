// The language-file compiler's source reader.

#include "tools/lcfc/LcfSource.h"

#include <QTest>

using namespace sono::lcfc;

class TestLcfSource : public QObject {
  Q_OBJECT

 private slots:
  void reads() {
    const auto src = parseLanguageSource(
        "# comment\nlanguage 1041\ncodepage 932\n\n[strings]\n1005 =  \\sYes\\t\\u00E9 \n1006 =\n"
        "[TFrmA]\r\nFrmA-Caption = a = b\nMemo-Lines(0) = x\\\\y\\n\n");
    QVERIFY(src);
    QCOMPARE(src->id, 1041);
    QCOMPARE(src->codePage.value_or(0), 932);
    QCOMPARE(src->strings.at(1005), QString::fromUtf8(" Yes\t\xC3\xA9"));
    QCOMPARE(src->strings.at(1006), QString());
    QCOMPARE(src->classes.size(), 1);
    QCOMPARE(src->classes[0].name, QStringLiteral("TFrmA"));
    QCOMPARE(src->classes[0].entries[0].key, QByteArray("FrmA-Caption"));
    QCOMPARE(src->classes[0].entries[0].text, QStringLiteral("a = b"));
    QCOMPARE(src->classes[0].entries[1].text, QStringLiteral("x\\y\n"));
  }

  void byteOrderMarkIsSkipped() {
    const auto src = parseLanguageSource(QString(QChar(0xFEFF)) + "# English\nlanguage 1033\n");
    QVERIFY(src);
    QCOMPARE(src->id, 1033);
  }

  void errorsNameTheLine_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("line");
    QTest::newRow("no language") << "[strings]\n1 = a\n" << 0;
    QTest::newRow("bad setting") << "language 1033\nflavour 3\n" << 2;
    QTest::newRow("not a number") << "language English\n" << 1;
    QTest::newRow("string id too large") << "language 1033\n[strings]\n65536 = a\n" << 3;
    QTest::newRow("string id not a number") << "language 1033\n[strings]\nYes = a\n" << 3;
    QTest::newRow("key without dash") << "language 1033\n[TFrm]\nCaption = a\n" << 3;
    QTest::newRow("no equals sign") << "language 1033\n[TFrm]\nA-Caption a\n" << 3;
    QTest::newRow("bad escape") << "language 1033\n[TFrm]\nA-Caption = \\q\n" << 3;
    QTest::newRow("short unicode escape") << "language 1033\n[TFrm]\nA-Caption = \\u12\n" << 3;
    QTest::newRow("unclosed section") << "language 1033\n[TFrm\n" << 2;
  }
  void errorsNameTheLine() {
    QFETCH(QString, text);
    QFETCH(int, line);
    ParseError e;
    QVERIFY(!parseLanguageSource(text, &e));
    QCOMPARE(e.line, line);
  }
};

QTEST_GUILESS_MAIN(TestLcfSource)
#include "tst_LcfSource.moc"
