// The language file and the current language: results and release rules of
// LcSetLanguage, columns and code pages, the built-in string redirect.

#include "i18n/BuiltinStrings.h"
#include "i18n/DialogTexts.h"
#include "i18n/LcUnit.h"
#include "platform/text/CodePage.h"
#include "platform/widgets/Dialogs.h"
#include "support/LanguageFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace sono;
using namespace sono::i18n;
using testing::le32;
using testing::source;

namespace {

struct EnumLog {
  QList<qint32> ids;
  int stopAfter = -1;  // return 0 once this many ids were seen
};

qint32 logIds(qint32 id, void* context) {
  auto* log = static_cast<EnumLog*>(context);
  log->ids.append(id);
  return log->stopAfter >= 0 && log->ids.size() >= log->stopAfter ? 0 : 1;
}

const char* kPortuguese =
    "language 1046\n[strings]\n1005 = &Sim\n1020 = Excluir registro?\n";
const char* kEnglish =
    "language 1033\n[strings]\n1005 = &Yes please\n1020 = Remove the record?\n1006 =\n";

QByteArray loaded(BuiltinStringId id) {
  QByteArray text;
  LcLoadResString(builtinRecord(id), text);
  return text;
}

}  // namespace

class TestLcUnit : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

  QString compiled(const QString& name, const QList<lcfc::LanguageSource>& langs, lcfc::BuildOptions o = {}) {
    return testing::writeFile(QDir(dir_.path()), name, lcfc::buildLanguageFile(langs, o));
  }
  QString twoLanguages(lcfc::HeaderKind header = lcfc::HeaderKind::LcHeader, bool extraPair = false) {
    lcfc::BuildOptions o;
    o.header = header;
    o.extraPair = extraPair;
    return compiled(QStringLiteral("two-%1-%2.lcf").arg(int(header)).arg(extraPair),
                    {source(kPortuguese), source(kEnglish)}, o);
  }

 private slots:
  void cleanup() { LcReleaseLanguage(); }

  void unusableFileGivesMinusOneWithoutEnumeration_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = testing::headerBytes(0, {1046, 1033});
    QTest::newRow("not a module") << QByteArray("plain text, not a module");
    QTest::newRow("no header resource") << testing::rcdataModule({{"1005", QByteArray(8, '\0')}});
    QTest::newRow("15-byte header") << testing::rcdataModule({{"LCHEADER", good.first(15)}});
    QTest::newRow("wrong magic") << testing::rcdataModule({{"LCHEADER", QByteArray("LCHEADEX") + good.mid(8)}});
    QTest::newRow("wrong magic under LCHEADE2")
        << testing::rcdataModule({{"LCHEADE2", QByteArray("LCHEADE2") + good.mid(8)}});
    QByteArray cut = testing::rcdataModule({{"LCHEADER", good}});
    cut.truncate(0x200 + 16);  // the resource tree is cut off inside its directory
    QTest::newRow("resource tree past the end") << cut;
  }
  void unusableFileGivesMinusOneWithoutEnumeration() {
    QFETCH(QByteArray, bytes);
    QVERIFY(LcSetLanguage(twoLanguages(), 1033) == 1);  // a language current before
    const QString path = testing::writeFile(QDir(dir_.path()), "broken.lcf", bytes);
    EnumLog log;
    QCOMPARE(LcSetLanguage(path, 1033, logIds, &log), -1);
    QVERIFY(log.ids.isEmpty());
    QVERIFY(LcCurrentLanguage() == nullptr);
    QCOMPARE(builtinString(SMsgDlgYes), QStringLiteral("&Yes"));
  }

  void missingFileGivesMinusOne() {
    EnumLog log;
    QCOMPARE(LcSetLanguage(dir_.filePath("absent.lcf"), 1046, logIds, &log), -1);
    QVERIFY(log.ids.isEmpty());
  }

  void languageNotInFileGivesZeroAndNothingCurrent() {
    QCOMPARE(LcSetLanguage(twoLanguages(), 1033), 1);
    QCOMPARE(builtinString(SDeleteRecordQuestion), QStringLiteral("Remove the record?"));
    EnumLog log;
    QCOMPARE(LcSetLanguage(twoLanguages(), 1041, logIds, &log), 0);
    QCOMPARE(log.ids, (QList<qint32>{1046, 1033}));
    QVERIFY(LcCurrentLanguage() == nullptr);
    QVERIFY(TProc::installed() == nullptr);
    QCOMPARE(builtinString(SDeleteRecordQuestion), QStringLiteral("Delete record?"));
  }

  void columnsAndCodePages_data() {
    QTest::addColumn<int>("header");
    QTest::addColumn<bool>("extraPair");
    QTest::addColumn<int>("stringColumn");
    QTest::addRow("LCHEADER") << int(lcfc::HeaderKind::LcHeader) << false << 1;
    QTest::addRow("LCHEADER, flag") << int(lcfc::HeaderKind::LcHeader) << true << 2;
    QTest::addRow("LCHEADE2") << int(lcfc::HeaderKind::LcHeade2) << false << 1;
    QTest::addRow("LCHEADE2, flag") << int(lcfc::HeaderKind::LcHeade2) << true << 2;
  }
  void columnsAndCodePages() {
    QFETCH(int, header);
    QFETCH(bool, extraPair);
    QFETCH(int, stringColumn);
    QCOMPARE(LcSetLanguage(twoLanguages(lcfc::HeaderKind(header), extraPair), 1033), 1);
    const TLcf* lcf = LcCurrentLanguage();
    QVERIFY(lcf);
    QCOMPARE(lcf->StringColumn, stringColumn);
    QCOMPARE(lcf->EntryColumn, 1);
    QCOMPARE(lcf->CodePage, 1252);
    QCOMPARE(loaded(SMsgDlgYes), QByteArray("&Yes please"));
    QCOMPARE(builtinString(SMsgDlgYes), QStringLiteral("&Yes please"));
  }

  void codePageComesFromTheHeaderUnderLcheade2() {
    // Under LCHEADE2 the file's table wins over the language's default.
    auto jp = source("language 1041\ncodepage 1252\n[strings]\n1005 = Yes\n");
    lcfc::BuildOptions o;
    o.header = lcfc::HeaderKind::LcHeade2;
    QCOMPARE(LcSetLanguage(compiled("cp2.lcf", {jp}, o), 1041), 1);
    QCOMPARE(LcCurrentLanguage()->CodePage, 1252);
    o.header = lcfc::HeaderKind::LcHeader;
    QCOMPARE(LcSetLanguage(compiled("cp1.lcf", {jp}, o), 1041), 1);
    QCOMPARE(LcCurrentLanguage()->CodePage, 932);
  }

  void enumerationStopsButLanguageIsStillSelected() {
    EnumLog log;
    log.stopAfter = 1;
    QCOMPARE(LcSetLanguage(twoLanguages(), 1033, logIds, &log), 1);
    QCOMPARE(log.ids, QList<qint32>{1046});
    QCOMPARE(LcCurrentLanguage()->EntryColumn, 1);
  }

  void firstOfTwoEqualIdsIsUsed() {
    auto first = source("language 1033\n[strings]\n1005 = first\n");
    auto second = source("language 1033\n[strings]\n1005 = second\n");
    QCOMPARE(LcSetLanguage(compiled("dup.lcf", {first, second}), 1033), 1);
    QCOMPARE(LcCurrentLanguage()->StringColumn, 0);
    QCOMPARE(loaded(SMsgDlgYes), QByteArray("first"));
  }

  void builtinTextWhenTheFileHasNone_data() {
    QTest::addColumn<int>("id");
    QTest::addColumn<QByteArray>("expected");
    QTest::addRow("no string resource") << int(SMsgDlgCancel) << QByteArray("Cancel");
    QTest::addRow("length -1 for the column") << int(SMsgDlgAbort) << QByteArray("&Abort");
    QTest::addRow("zero length: empty text") << int(SMsgDlgNo) << QByteArray();
  }
  void builtinTextWhenTheFileHasNone() {
    QFETCH(int, id);
    QFETCH(QByteArray, expected);
    // 1009 exists, but only for Portuguese.
    auto pt = source("language 1046\n[strings]\n1009 = &Anular\n");
    auto en = source("language 1033\n[strings]\n1006 =\n");
    QCOMPARE(LcSetLanguage(compiled("gaps.lcf", {pt, en}), 1033), 1);
    QCOMPARE(loaded(BuiltinStringId(id)), expected);
  }

  void damagedStringResourceFallsBackToBuiltin_data() {
    QTest::addColumn<QByteArray>("pairs");
    const QByteArray text = testing::utf16le("Hi");
    QTest::addRow("offset past the end") << (le32(9999) + le32(4) + le32(9999) + le32(4) + text);
    QTest::addRow("length past the end") << (le32(16) + le32(400) + le32(16) + le32(400) + text);
    QTest::addRow("negative offset") << (le32(-8) + le32(4) + le32(-8) + le32(4) + text);
    QTest::addRow("negative length") << (le32(16) + le32(-4) + le32(16) + le32(-4) + text);
    QTest::addRow("odd length") << (le32(16) + le32(3) + le32(16) + le32(3) + text);
    QTest::addRow("pair for the column missing") << (le32(8) + le32(4) + text);
  }
  void damagedStringResourceFallsBackToBuiltin() {
    QFETCH(QByteArray, pairs);
    const QString path = testing::writeFile(
        QDir(dir_.path()), "pairs.lcf",
        testing::rcdataModule({{"LCHEADER", testing::headerBytes(0, {1046, 1033})}, {"1007", pairs}}));
    QCOMPARE(LcSetLanguage(path, 1033), 1);
    QCOMPARE(loaded(SMsgDlgOK), QByteArray("OK"));
  }

  void damagedHeaderCounts_data() {
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QList<qint32>>("enumerated");
    QTest::addColumn<int>("result");
    QByteArray longCount = testing::headerBytes(0, {1046, 1033});
    longCount.replace(12, 4, le32(1000));
    QByteArray negative = testing::headerBytes(0, {1046, 1033});
    negative.replace(12, 4, le32(-5));
    QTest::addRow("count beyond the data") << longCount << QList<qint32>{1046, 1033} << 1;
    QTest::addRow("negative count") << negative << QList<qint32>{} << 0;
    QTest::addRow("LCHEADE2 without its code pages")
        << testing::headerBytes(0, {1046, 1033}) << QList<qint32>{1046, 1033} << 1;
  }
  void damagedHeaderCounts() {
    QFETCH(QByteArray, header);
    QFETCH(QList<qint32>, enumerated);
    QFETCH(int, result);
    const bool second = QByteArray(QTest::currentDataTag()).startsWith("LCHEADE2");
    const QString path = testing::writeFile(QDir(dir_.path()), "counts.lcf",
                                            testing::rcdataModule({{second ? "LCHEADE2" : "LCHEADER", header}}));
    EnumLog log;
    QCOMPARE(LcSetLanguage(path, 1033, logIds, &log), result);
    QCOMPARE(log.ids, enumerated);
    if (second) QCOMPARE(LcCurrentLanguage()->CodePage, 0);  // system default
  }

  void multiByteCodePageConvertedInFull() {
    // Shift-JIS writes each of these characters in two bytes.
    auto jp = source("language 1041\n[strings]\n1005 = \\u65E5\\u672C\\u8A9E OK\n");
    QCOMPARE(LcSetLanguage(compiled("jp.lcf", {jp}), 1041), 1);
    QCOMPARE(LcCurrentLanguage()->CodePage, 932);
    const QByteArray expected("\x93\xFA\x96\x7B\x8C\xEA OK");
    QCOMPARE(loaded(SMsgDlgYes), expected);
    QCOMPARE(loaded(SMsgDlgYes).size(), 9);  // 6 UTF-16 units became 9 bytes
    QCOMPARE(builtinString(SMsgDlgYes), QString::fromUtf8("\xE6\x97\xA5\xE6\x9C\xAC\xE8\xAA\x9E OK"));
  }

  void charactersTheCodePageLacksBecomeQuestionMarks() {
    auto en = source("language 1033\n[strings]\n1005 = \\u65E5!\n");
    QCOMPARE(LcSetLanguage(compiled("lossy.lcf", {en}), 1033), 1);
    QCOMPARE(loaded(SMsgDlgYes), QByteArray("?!"));
  }

  void recordCarryingItsTextIsReturnedAsIs() {
    QCOMPARE(LcSetLanguage(twoLanguages(), 1033), 1);
    static const char inlineText[] = "carried text";
    QByteArray text;
    LcLoadResString({builtinModule(), reinterpret_cast<quintptr>(inlineText)}, text);
    QCOMPARE(text, QByteArray("carried text"));
  }

  void dialogButtonsFollowTheLanguage() {
    useBuiltinStringsForDialogs();
    auto es = source("language 3082\n[strings]\n1005 = &S\\u00ED\n1008 = Cancelar\n");
    QCOMPARE(LcSetLanguage(compiled("es.lcf", {es}), 3082), 1);
    QCOMPARE(dialogs::buttonText(dialogs::Yes), QString::fromUtf8("&S\xC3\xAD"));
    QCOMPARE(dialogs::buttonText(dialogs::Cancel), QStringLiteral("Cancelar"));
    QCOMPARE(dialogs::buttonText(dialogs::No), QStringLiteral("&No"));
    QCOMPARE(LcSetLanguage(dir_.filePath("absent.lcf"), 3082), -1);
    QCOMPARE(dialogs::buttonText(dialogs::Yes), QStringLiteral("&Yes"));
    dialogs::setButtonTextProvider({});
  }

  void shippedLanguageFileOffersItsLanguages() {
    const QString shipped = qEnvironmentVariable("SONO_BUILD_DIR") + "/Sonopaine.lcf";
    EnumLog log;
    QCOMPARE(LcSetLanguage(shipped, 3082, logIds, &log), 1);
    QCOMPARE(log.ids, (QList<qint32>{1046, 1033, 3082}));
    QCOMPARE(builtinString(SDeleteRecordQuestion), QString::fromUtf8("\xC2\xBF" "Eliminar registro?"));
    QCOMPARE(LcSetLanguage(shipped, 1033), 1);
    QCOMPARE(builtinString(SMsgDlgOK), QStringLiteral("OK"));
  }
};

QTEST_GUILESS_MAIN(TestLcUnit)
#include "tst_LcUnit.moc"
