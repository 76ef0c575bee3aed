// Reading class resources for window translation: entry order, key parts,
// the entry column's text, and damaged resources.

#include "i18n/LcClassResource.h"
#include "support/LanguageFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace sono;
using namespace sono::i18n;
using testing::le32;
using testing::source;

namespace {

// One entry as the file lays it out: key, then one pair per language.
QByteArray entryBytes(const QByteArray& key, const QList<std::optional<QString>>& texts) {
  QByteArray e(8 + 8 * texts.size(), '\0');
  qToLittleEndian<qint32>(qint32(e.size()), e.data());
  qToLittleEndian<qint32>(qint32(key.size()), e.data() + 4);
  e += key;
  for (qsizetype i = 0; i < texts.size(); ++i) {
    const QByteArray t = texts[i] ? testing::utf16le(*texts[i]) : QByteArray();
    qToLittleEndian<qint32>(qint32(e.size()), e.data() + 8 + 8 * i);
    qToLittleEndian<qint32>(texts[i] ? qint32(t.size()) : -1, e.data() + 12 + 8 * i);
    e += t;
  }
  return e;
}

QByteArray classBytes(const QList<QByteArray>& entries, qint32 declaredCount = -1) {
  QByteArray out = le32(3) + "abc" + le32(declaredCount >= 0 ? declaredCount : qint32(entries.size()));
  QByteArray table;
  QByteArray body;
  const qint32 tableSize = 8 * qint32(entries.size());
  for (const QByteArray& e : entries) {
    table += le32(tableSize + qint32(body.size())) + le32(0);
    body += e;
  }
  return out + table + body;
}

}  // namespace

class TestLcClassResource : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  // Makes `langId` of a file with Portuguese and English current.
  void useFile(const QByteArray& classResource, qint32 langId = 1033) {
    const QString path = testing::writeFile(
        QDir(dir_.path()), "classes.lcf",
        testing::rcdataModule({{"LCHEADER", testing::headerBytes(1, {1046, 1033})}, {"TFRMTESTE", classResource}}));
    QCOMPARE(LcSetLanguage(path, langId), 1);
  }

 private slots:
  void cleanup() { LcReleaseLanguage(); }

  void compiledEntriesComeLastFirstForTheEntryColumn() {
    auto pt = source("language 1046\n[TFrmTeste]\nFrmTeste-Caption = Teste\nBOk-Caption = Gravar\n"
                     "lblVazio-Caption =\n");
    auto en = source("language 1033\n[TFrmTeste]\nFrmTeste-Caption = Test\nlblVazio-Caption =\n");
    lcfc::BuildOptions o;
    o.extraPair = true;  // string columns shift; entry columns do not
    const QString path =
        testing::writeFile(QDir(dir_.path()), "compiled.lcf", lcfc::buildLanguageFile({pt, en}, o));
    QCOMPARE(LcSetLanguage(path, 1033), 1);
    const auto entries = LcClassEntries(*LcCurrentLanguage(), "TFrmTeste");
    QVERIFY(entries);
    QCOMPARE(entries->size(), 3);
    QCOMPARE((*entries)[0].ComponentName, QByteArray("lblVazio"));
    QVERIFY((*entries)[0].HasText);
    QVERIFY((*entries)[0].Text.isEmpty());
    QCOMPARE((*entries)[1].ComponentName, QByteArray("BOk"));
    QVERIFY(!(*entries)[1].HasText);  // no English text: the caption stays as it is
    QCOMPARE((*entries)[2].ComponentName, QByteArray("FrmTeste"));
    QCOMPARE((*entries)[2].PropertyPath, QByteArray("Caption"));
    QCOMPARE((*entries)[2].Text, QStringLiteral("Test"));
    QCOMPARE((*entries)[2].Language, LcCurrentLanguage());
  }

  void classWithoutResourceIsNotFound() {
    useFile(classBytes({entryBytes("A-Caption", {QString("a"), QString("b")})}));
    QVERIFY(!LcClassEntries(*LcCurrentLanguage(), "TFrmOutra"));
    QVERIFY(LcClassEntries(*LcCurrentLanguage(), "tfrmteste"));  // the name is looked up in upper case
  }

  void damagedResourcesKeepWhatIsSound_data() {
    QTest::addColumn<QByteArray>("resource");
    QTest::addColumn<QStringList>("keys");
    const QByteArray good = entryBytes("Good-Caption", {QString("bom"), QString("good")});
    QByteArray keyPastEnd = entryBytes("Bad-Caption", {QString("x"), QString("y")});
    keyPastEnd.replace(4, 4, le32(5000));
    QByteArray textPastEnd = entryBytes("Bad-Caption", {QString("x"), QString("y")});
    textPastEnd.replace(16, 4, le32(-100));
    QByteArray negativeKey = entryBytes("Bad-Caption", {QString("x"), QString("y")});
    negativeKey.replace(4, 4, le32(-1));
    QTest::addRow("sound") << classBytes({good}) << QStringList{"Good-Caption"};
    QTest::addRow("count beyond the table") << classBytes({good}, 50) << QStringList{"Good-Caption"};
    QTest::addRow("negative count") << classBytes({good}).replace(7, 4, le32(-7))
                                    << QStringList{};
    QTest::addRow("key past the end") << classBytes({good, keyPastEnd}) << QStringList{"Good-Caption"};
    QTest::addRow("text offset before the resource") << classBytes({textPastEnd, good})
                                                     << QStringList{"Good-Caption"};
    QTest::addRow("negative key length") << classBytes({negativeKey, good}) << QStringList{"Good-Caption"};
    QTest::addRow("info length past the end") << (le32(100000) + classBytes({good}).mid(4)) << QStringList{};
    QTest::addRow("negative info length") << (le32(-3) + classBytes({good}).mid(4)) << QStringList{};
    QTest::addRow("15 bytes") << classBytes({good}).first(15) << QStringList{};
  }
  void damagedResourcesKeepWhatIsSound() {
    QFETCH(QByteArray, resource);
    QFETCH(QStringList, keys);
    useFile(resource);
    const auto entries = LcClassEntries(*LcCurrentLanguage(), "TFrmTeste");
    QVERIFY(entries);
    QStringList got;
    for (const TProp& p : *entries) got << QString::fromLatin1(p.ComponentName + '-' + p.PropertyPath);
    QCOMPARE(got, keys);
  }

  void keyParts_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QByteArray>("component");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("plain") << QByteArray("BOk-Caption") << QByteArray("BOk") << QByteArray("Caption");
    QTest::newRow("path with elements") << QByteArray("Grid-Columns<1>.Title.Caption") << QByteArray("Grid")
                                        << QByteArray("Columns<1>.Title.Caption");
    QTest::newRow("text after a second dash") << QByteArray("Memo-Lines(2)-old") << QByteArray("Memo")
                                              << QByteArray("Lines(2)");
    QTest::newRow("no dash") << QByteArray("Alone") << QByteArray("Alone") << QByteArray();
    QTest::newRow("empty path") << QByteArray("A-") << QByteArray("A") << QByteArray();
  }
  void keyParts() {
    QFETCH(QByteArray, key);
    QFETCH(QByteArray, component);
    QFETCH(QByteArray, path);
    const LcKey k = LcSplitKey(key);
    QCOMPARE(k.component, component);
    QCOMPARE(k.path, path);
  }
};

QTEST_GUILESS_MAIN(TestLcClassResource)
#include "tst_LcClassResource.moc"
