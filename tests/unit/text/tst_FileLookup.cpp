// Installation files found without regard to letter case.

#include "platform/text/FileLookup.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace sono::text;

class TestFileLookup : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

 private slots:
  void initTestCase() {
    QVERIFY(QDir(dir_.path()).mkpath("Skins/Images"));
    for (const char* name : {"Icones.dll", "Skins/Images/Azul.png", "Horas/HRS01.wav"}) {
      QDir(dir_.path()).mkpath(QFileInfo(dir_.filePath(name)).path());
      QFile f(dir_.filePath(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
    }
  }

  void lookup_data() {
    QTest::addColumn<QString>("asked");
    QTest::addColumn<QString>("found");
    QTest::newRow("exact") << "Icones.dll" << "Icones.dll";
    QTest::newRow("other case") << "icones.DLL" << "Icones.dll";
    QTest::newRow("every part") << "skins/images/AZUL.PNG" << "Skins/Images/Azul.png";
    QTest::newRow("backslashes") << "horas\\hrs01.WAV" << "Horas/HRS01.wav";
    QTest::newRow("folder") << "SKINS" << "Skins";
    QTest::newRow("missing: as asked") << "Skins/none.skn" << "Skins/none.skn";
    QTest::newRow("missing folder: as asked") << "nada/icones.dll" << "nada/icones.dll";
    QTest::newRow("missing file under a folder in other case") << "skins/Novo.skn" << "Skins/Novo.skn";
  }
  void lookup() {
    QFETCH(QString, asked);
    QFETCH(QString, found);
    QCOMPARE(findCaseInsensitive(dir_.path(), asked), QDir(dir_.path()).filePath(found));
  }
};

QTEST_GUILESS_MAIN(TestFileLookup)
#include "tst_FileLookup.moc"
