// The property paths of class-resource entries: splitting and reading the
// elements, and the indexes that end a window's translation.

#include "i18n/LcError.h"
#include "i18n/LcPath.h"

#include <QTest>

using namespace sono::i18n;

Q_DECLARE_METATYPE(LcElement::Kind)

class TestLcPath : public QObject {
  Q_OBJECT
 private slots:
  void splitsAtEveryDot() {
    const auto parts = LcSplitPath("Columns<1>.Title.Caption");
    QCOMPARE(parts.size(), 3);
    QCOMPARE(parts[0], QByteArrayView("Columns<1>"));
    QCOMPARE(parts[2], QByteArrayView("Caption"));
    QCOMPARE(LcSplitPath("Caption").size(), 1);
    QCOMPARE(LcSplitPath("").size(), 1);
    QCOMPARE(LcSplitPath("a..b").size(), 3);
  }

  void readsElements_data() {
    QTest::addColumn<QByteArray>("element");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<LcElement::Kind>("kind");
    QTest::addColumn<int>("index");
    QTest::addRow("plain") << QByteArray("Caption") << QByteArray("Caption") << LcElement::Plain << 0;
    QTest::addRow("line") << QByteArray("Items(2)") << QByteArray("Items") << LcElement::Line << 2;
    QTest::addRow("item") << QByteArray("Columns<10>") << QByteArray("Columns") << LcElement::Item << 10;
    QTest::addRow("no closing bracket") << QByteArray("Strings(7") << QByteArray("Strings") << LcElement::Line << 7;
    QTest::addRow("text after the bracket") << QByteArray("Items(3)x") << QByteArray("Items") << LcElement::Line << 3;
    QTest::addRow("'<' wins over '('") << QByteArray("A(1)<4>") << QByteArray("A(1)") << LcElement::Item << 4;
    QTest::addRow("'<' anywhere") << QByteArray("A<2") << QByteArray("A") << LcElement::Item << 2;
    QTest::addRow("negative") << QByteArray("Items(-1)") << QByteArray("Items") << LcElement::Line << -1;
    QTest::addRow("largest") << QByteArray("Items(2147483647)") << QByteArray("Items") << LcElement::Line << 2147483647;
  }
  void readsElements() {
    QFETCH(QByteArray, element);
    QFETCH(QByteArray, name);
    QFETCH(LcElement::Kind, kind);
    QFETCH(int, index);
    const LcElement e = LcReadElement(element);
    QCOMPARE(e.name, name);
    QCOMPARE(e.kind, kind);
    QCOMPARE(e.index, index);
  }

  void indexThatIsNotANumberIsAnError_data() {
    QTest::addColumn<QByteArray>("element");
    QTest::addRow("letters") << QByteArray("Items(x)");
    QTest::addRow("empty") << QByteArray("Columns<>");
    QTest::addRow("nothing after the bracket") << QByteArray("Items(");
    QTest::addRow("blank inside") << QByteArray("Items( 1)");
    QTest::addRow("sign only") << QByteArray("Items(-)");
    QTest::addRow("too large") << QByteArray("Columns<2147483648>");
    QTest::addRow("hexadecimal") << QByteArray("Items(0x1)");
  }
  void indexThatIsNotANumberIsAnError() {
    QFETCH(QByteArray, element);
    QVERIFY_THROWS_EXCEPTION(ELcTranslateError, LcReadElement(element));
  }
};

QTEST_APPLESS_MAIN(TestLcPath)
#include "tst_LcPath.moc"
