// Language ids: their locales, display names and default ANSI code pages.

#include "i18n/LanguageNames.h"
#include "platform/text/LanguageInfo.h"

#include <QTest>

using namespace sono::text;

class TestLanguageInfo : public QObject {
  Q_OBJECT

 private slots:
  void codePages_data() {
    QTest::addColumn<int>("lcid");
    QTest::addColumn<int>("codePage");
    QTest::newRow("Portuguese (Brazil)") << 1046 << 1252;
    QTest::newRow("English (US)") << 1033 << 1252;
    QTest::newRow("Spanish (Spain)") << 3082 << 1252;
    QTest::newRow("Japanese") << 1041 << 932;
    QTest::newRow("Korean") << 1042 << 949;
    QTest::newRow("Chinese (PRC)") << 2052 << 936;
    QTest::newRow("Chinese (Taiwan)") << 1028 << 950;
    QTest::newRow("Russian") << 1049 << 1251;
    QTest::newRow("Polish") << 1045 << 1250;
    QTest::newRow("Greek") << 1032 << 1253;
    QTest::newRow("Turkish") << 1055 << 1254;
    QTest::newRow("Hebrew") << 1037 << 1255;
    QTest::newRow("Arabic (Saudi Arabia)") << 1025 << 1256;
    QTest::newRow("Lithuanian") << 1063 << 1257;
    QTest::newRow("Vietnamese") << 1066 << 1258;
    QTest::newRow("Thai") << 1054 << 874;
    QTest::newRow("Serbian Latin") << 2074 << 1250;
    QTest::newRow("Serbian Cyrillic") << 3098 << 1251;
    QTest::newRow("Hindi: Unicode only") << 1081 << 0;
    QTest::newRow("unknown id") << 0x7777 << 0;
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("negative") << -1 << 0;
  }
  void codePages() {
    QFETCH(int, lcid);
    QFETCH(int, codePage);
    QCOMPARE(defaultAnsiCodePage(lcid), codePage);
  }

  void names_data() {
    QTest::addColumn<int>("lcid");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("inEnglish");
    QTest::addColumn<QString>("inPortuguese");
    QTest::newRow("1046") << 1046 << "pt_BR" << "Portuguese (Brazil)" << QString::fromUtf8("Português (Brasil)");
    QTest::newRow("1033") << 1033 << "en_US" << "English (United States)" << QString::fromUtf8("Inglês (Estados Unidos)");
    QTest::newRow("3082") << 3082 << "es_ES" << "Spanish (Spain)" << "Espanhol (Espanha)";
  }
  void names() {
    QFETCH(int, lcid);
    QFETCH(QString, locale);
    QFETCH(QString, inEnglish);
    QFETCH(QString, inPortuguese);
    QCOMPARE(localeNameOfLcid(lcid), locale);
    QCOMPARE(languageDisplayName(lcid, "en"), inEnglish);
    QCOMPARE(languageDisplayName(lcid, "pt_BR"), inPortuguese);
  }

  void unknownIdIsTheBuiltinUnknownText() {
    QVERIFY(languageDisplayName(0x7777, "en").isEmpty());
    QCOMPARE(sono::i18n::LcLanguageName(0x7777, "en"), QStringLiteral("<unknown>"));
    QCOMPARE(sono::i18n::LcLanguageName(1033, "en"), QStringLiteral("English (United States)"));
  }
};

QTEST_GUILESS_MAIN(TestLanguageInfo)
#include "tst_LanguageInfo.moc"
