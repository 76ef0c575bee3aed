// The PE reader over modules from the writer, and over damaged ones.

#include "platform/pe/PeImage.h"
#include "platform/pe/PeWriter.h"
#include "support/LanguageFiles.h"

#include <QTemporaryDir>
#include <QTest>

using namespace sono::pe;
using sono::testing::le32;

namespace {

// A module with one RCDATA resource "A"; the writer lays its tree out as
// root (0), type directory (24), language directory (48), data entry (72),
// name string (88), all from the section's start at file offset 0x200.
constexpr int kTree = 0x200;
QByteArray oneResource(const QByteArray& data = "payload") {
  PeWriter w;
  w.addResource(RtRcData, ResourceName::fromString("A"), data);
  return w.build();
}
QByteArray patched(QByteArray bytes, int at, quint32 value) {
  qToLittleEndian<quint32>(value, bytes.data() + at);
  return bytes;
}

}  // namespace

class TestPeImage : public QObject {
  Q_OBJECT

 private slots:
  void writtenResourcesReadBack_data() {
    QTest::addColumn<bool>("plus");
    QTest::newRow("PE32") << false;
    QTest::newRow("PE32+") << true;
  }
  void writtenResourcesReadBack() {
    QFETCH(bool, plus);
    PeWriter w;
    w.addResource(RtRcData, ResourceName::fromString("LCHEADER"), "header");
    w.addResource(RtRcData, ResourceName::fromString("1005"), "string");
    w.addResource(RtRcData, ResourceName::fromId(7), "numbered");
    w.addResource(ResourceName::fromId(99), ResourceName::fromString("LCHEADER"), "other type");
    w.addResource(RtRcData, ResourceName::fromString("TFRMB"), QByteArray(5000, 'x'));
    const auto image = PeImage::fromBytes(w.build(plus ? PeWriter::Format::Pe32Plus : PeWriter::Format::Pe32));
    QVERIFY(image);
    QCOMPARE(image->isPe32Plus(), plus);
    QCOMPARE(image->rcdata("LCHEADER")->toByteArray(), QByteArray("header"));
    QCOMPARE(image->rcdata("lcheader")->toByteArray(), QByteArray("header"));  // names ignore case
    QCOMPARE(image->rcdata("1005")->toByteArray(), QByteArray("string"));
    QCOMPARE(image->resource(RtRcData, ResourceName::fromId(7))->toByteArray(), QByteArray("numbered"));
    QCOMPARE(image->resource(ResourceName::fromId(99), ResourceName::fromString("LCHEADER"))->toByteArray(),
             QByteArray("other type"));
    QCOMPARE(image->rcdata("TFRMB")->size(), 5000);
    QVERIFY(!image->rcdata("7"));  // a digit name is not the numeric id
    QVERIFY(!image->rcdata("MISSING"));
    QVERIFY(!image->resource(RtIcon, ResourceName::fromId(7)));
    const QList<ResourceName> names = image->resourceNames(RtRcData);
    QCOMPARE(names.size(), 4);
    QCOMPARE(names[0].string(), QStringLiteral("1005"));
    QCOMPARE(names[2].string(), QStringLiteral("TFRMB"));
    QCOMPARE(names[3].id(), quint16(7));
  }

  void openedFromDiskIsMappedInPlace() {
    QTemporaryDir dir;
    const QString path = sono::testing::writeFile(QDir(dir.path()), "m.dll", oneResource());
    const auto image = PeImage::open(path);
    QVERIFY(image);
    QCOMPARE(image->rcdata("A")->toByteArray(), QByteArray("payload"));
    QVERIFY(!PeImage::open(dir.filePath("absent.dll")));
  }

  void notAModule_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = oneResource();
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("MZ only") << QByteArray("MZ");
    QTest::newRow("PE offset past the end") << patched(good, 0x3C, 0x7FFFFFF0);
    QTest::newRow("PE offset negative as signed") << patched(good, 0x3C, 0xFFFFFFF0);
    QTest::newRow("wrong signature") << patched(good, 0x80, 0x00004551);
    QTest::newRow("wrong optional magic") << patched(good, 0x98, 0x0000010C);
    QTest::newRow("section table past the end") << patched(good, 0x84, 0x0050014C);
    QTest::newRow("optional header too small") << patched(good, 0x94, 0x2102000A);
    QTest::newRow("cut in the headers") << good.first(0x100);
  }
  void notAModule() {
    QFETCH(QByteArray, bytes);
    QVERIFY(!PeImage::fromBytes(bytes));
  }

  void damagedResourceTree_data() {
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray good = oneResource();
    QTest::newRow("data RVA outside every section") << patched(good, kTree + 72, 0x9000);
    QTest::newRow("data size past the end") << patched(good, kTree + 76, 0x7FFFFFFF);
    QTest::newRow("directory pointing at itself") << patched(good, kTree + 24 + 20, 0x80000000u | 24);
    QTest::newRow("type entry pointing at the root") << patched(good, kTree + 20, 0x80000000u);
    QTest::newRow("name string past the end") << patched(good, kTree + 88, 0xFFFF);
    QTest::newRow("name offset past the end") << patched(good, kTree + 24 + 16, 0xFFFFFFF0);
    QTest::newRow("entry count past the end") << patched(good, kTree + 12, 0xFFFF0000);
    QTest::newRow("directory offset past the end") << patched(good, kTree + 20, 0xFFFFFFFF);
    QTest::newRow("resource RVA outside every section") << patched(good, 0x98 + 96 + 16, 0x5000);
    QTest::newRow("section cut short") << good.first(kTree + 60);
  }
  void damagedResourceTree() {
    QFETCH(QByteArray, bytes);
    const auto image = PeImage::fromBytes(bytes);
    QVERIFY(image);  // the headers are sound
    QVERIFY(!image->rcdata("A"));
  }

  void moduleWithoutResources() {
    const QByteArray noDir = patched(oneResource(), 0x98 + 96 + 16, 0);
    const auto image = PeImage::fromBytes(noDir);
    QVERIFY(image);
    QVERIFY(!image->hasResources());
    QVERIFY(image->resourceNames(RtRcData).isEmpty());
  }
};

QTEST_GUILESS_MAIN(TestPeImage)
#include "tst_PeImage.moc"
