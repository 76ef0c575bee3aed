// Icons by index from modules and icon files, the icon image forms, and the
// shipped icon libraries.

#include "platform/pe/IconFile.h"
#include "platform/pe/IconImage.h"
#include "platform/pe/PeImage.h"
#include "platform/pe/PeWriter.h"
#include "support/LanguageFiles.h"

#include <QBuffer>
#include <QTemporaryDir>
#include <QTest>

using namespace sono::pe;
using sono::testing::le32;

namespace {

QImage solid(int size, QRgb colour) {
  QImage i(size, size, QImage::Format_ARGB32);
  i.fill(colour);
  return i;
}

QByteArray le16(quint16 v) {
  QByteArray b(2, '\0');
  qToLittleEndian<quint16>(v, b.data());
  return b;
}

// A bitmap header for a w × h icon image of `bits` per pixel.
QByteArray dibHeader(int w, int h, int bits, int colours = 0, int compression = 0) {
  return le32(40) + le32(w) + le32(2 * h) + le16(1) + le16(quint16(bits)) + le32(compression) + le32(0) + le32(0) +
         le32(0) + le32(colours) + le32(0);
}
QByteArray bgrx(QRgb c) {
  const char raw[4] = {char(qBlue(c)), char(qGreen(c)), char(qRed(c)), 0};
  return QByteArray(raw, 4);
}

}  // namespace

class TestIconFile : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

 private slots:
  void bitmapForms_data() {
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QList<QRgb>>("pixels");  // 2 × 2, top row first
    const QRgb red = qRgb(255, 0, 0), blue = qRgb(0, 0, 255), clear = 0;
    // Rows are bottom-up and padded to 4 bytes; the mask's set bits are
    // transparent.
    const QByteArray mask = QByteArray("\x40\0\0\0", 4) + QByteArray(4, '\0');  // bottom row, right pixel
    QTest::newRow("1 bit") << dibHeader(2, 2, 1, 2) + bgrx(red) + bgrx(blue) + QByteArray("\x40\0\0\0", 4) +
                                  QByteArray("\x80\0\0\0", 4) + mask
                           << QList<QRgb>{blue, red, red, clear};
    QTest::newRow("4 bits") << dibHeader(2, 2, 4, 2) + bgrx(red) + bgrx(blue) + QByteArray("\x01\0\0\0", 4) +
                                   QByteArray("\x10\0\0\0", 4) + mask
                            << QList<QRgb>{blue, red, red, clear};
    QTest::newRow("8 bits, full palette") << dibHeader(2, 2, 8) + bgrx(red) + bgrx(blue) + QByteArray(254 * 4, '\0') +
                                                 QByteArray("\x00\x01\0\0", 4) + QByteArray("\x01\x00\0\0", 4) + mask
                                          << QList<QRgb>{blue, red, red, clear};
    QTest::newRow("24 bits") << dibHeader(2, 2, 24) + QByteArray("\0\0\xff\xff\0\0\0\0", 8) +
                                    QByteArray("\xff\0\0\0\0\xff\0\0", 8) + mask
                             << QList<QRgb>{blue, red, red, clear};
    QTest::newRow("32 bits with alpha, mask ignored")
        << dibHeader(2, 2, 32) + QByteArray("\0\0\xff\xff\0\0\xff\x80", 8) + QByteArray("\xff\0\0\xff\xff\0\0\xff", 8) +
               QByteArray(8, '\xff')
        << QList<QRgb>{blue, blue, red, qRgba(255, 0, 0, 0x80)};
    QTest::newRow("32 bits without alpha: the mask decides")
        << dibHeader(2, 2, 32) + QByteArray("\0\0\xff\0\0\0\xff\0", 8) + QByteArray("\xff\0\0\0\xff\0\0\0", 8) + mask
        << QList<QRgb>{blue, blue, red, clear};
    QTest::newRow("palette index past the palette") << dibHeader(2, 2, 8, 1) + bgrx(red) +
                                                           QByteArray("\x00\x05\0\0", 4) + QByteArray(4, '\0') +
                                                           QByteArray(8, '\0')
                                                    << QList<QRgb>{red, red, red, qRgb(0, 0, 0)};
  }
  void bitmapForms() {
    QFETCH(QByteArray, data);
    QFETCH(QList<QRgb>, pixels);
    const QImage image = decodeIconImage(data);
    QVERIFY(!image.isNull());
    QCOMPARE(image.size(), QSize(2, 2));
    QCOMPARE((QList<QRgb>{image.pixel(0, 0), image.pixel(1, 0), image.pixel(0, 1), image.pixel(1, 1)}), pixels);
  }

  void malformedImages_data() {
    QTest::addColumn<QByteArray>("data");
    const QByteArray rows(16, '\0');
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("short header") << dibHeader(2, 2, 32).first(30);
    QTest::newRow("zero width") << dibHeader(0, 2, 32) + rows;
    QTest::newRow("negative width") << dibHeader(-2, 2, 32) + rows;
    QTest::newRow("huge") << dibHeader(100000, 100000, 32) + rows;
    QTest::newRow("16 bits") << dibHeader(2, 2, 16) + rows;
    QTest::newRow("compressed") << dibHeader(2, 2, 8, 0, 1) + rows;
    QTest::newRow("palette too large") << dibHeader(2, 2, 8, 300) + QByteArray(2000, '\0');
    QTest::newRow("rows past the end") << dibHeader(2, 2, 24) + QByteArray(8, '\0');
    QTest::newRow("mask missing below 32 bits") << dibHeader(2, 2, 24) + rows;
    QTest::newRow("broken PNG") << QByteArray("\x89PNG\r\n\x1a\nnot really", 18);
  }
  void malformedImages() {
    QFETCH(QByteArray, data);
    QVERIFY(decodeIconImage(data).isNull());
  }

  void encodedImagesDecodeUnchanged() {
    QImage image(5, 3, QImage::Format_ARGB32);  // odd width: padded rows and mask
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) image.setPixel(x, y, qRgba(x * 50, y * 80, 7, x == 2 ? 0 : 255));
    }
    const QImage back = decodeIconImage(encodeIconImage(image));
    QCOMPARE(back.size(), image.size());
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 5; ++x) {
        if (x == 2) QCOMPARE(qAlpha(back.pixel(x, y)), 0);
        else QCOMPARE(back.pixel(x, y), image.pixel(x, y));
      }
    }
  }

  void pngImage() {
    QByteArray png;
    QBuffer b(&png);
    b.open(QIODevice::WriteOnly);
    solid(4, qRgb(1, 2, 3)).save(&b, "PNG");
    const QImage image = decodeIconImage(png);
    QCOMPARE(image.size(), QSize(4, 4));
    QCOMPARE(image.pixel(3, 3), qRgb(1, 2, 3));
  }

  void sizeChoice_data() {
    QTest::addColumn<QList<int>>("sides");
    QTest::addColumn<QList<int>>("bits");
    QTest::addColumn<int>("chosen");
    QTest::newRow("exact") << QList<int>{16, 32, 48} << QList<int>{32, 32, 32} << 1;
    QTest::newRow("exact, most colours") << QList<int>{32, 32} << QList<int>{8, 32} << 1;
    QTest::newRow("smallest larger") << QList<int>{16, 256, 48} << QList<int>{32, 32, 32} << 2;
    QTest::newRow("else the largest") << QList<int>{16, 24} << QList<int>{32, 32} << 1;
    QTest::newRow("none") << QList<int>{} << QList<int>{} << -1;
  }
  void sizeChoice() {
    QFETCH(QList<int>, sides);
    QFETCH(QList<int>, bits);
    QFETCH(int, chosen);
    QList<IconDirEntry> entries;
    for (int i = 0; i < sides.size(); ++i) entries.append({sides[i], sides[i], bits[i], 0, 0});
    QCOMPARE(chooseIconEntry(entries, 32), chosen);
  }

  void iconsByIndexInAModule_data() {
    QTest::addColumn<bool>("plus");
    QTest::newRow("PE32") << false;
    QTest::newRow("PE32+") << true;
  }
  void iconsByIndexInAModule() {
    QFETCH(bool, plus);
    // Group ids with gaps: the index counts groups, not ids.
    PeWriter w;
    w.addIconGroup(ResourceName::fromId(9), {solid(32, qRgb(0, 0, 255))});
    w.addIconGroup(ResourceName::fromId(1), {solid(16, qRgb(9, 9, 9)), solid(32, qRgb(255, 0, 0))});
    w.addIconGroup(ResourceName::fromId(5), {solid(48, qRgb(0, 255, 0))});
    const QString path = sono::testing::writeFile(QDir(dir_.path()), "lib.dll",
                                                  w.build(plus ? PeWriter::Format::Pe32Plus : PeWriter::Format::Pe32));
    QCOMPARE(iconCount(path), 3);
    QCOMPARE(extractIcon(path, 0).pixel(10, 10), qRgb(255, 0, 0));  // the 32-pixel image of group 1
    const QImage scaled = extractIcon(path, 1);  // group 5 has 48 pixels only
    QCOMPARE(scaled.size(), QSize(32, 32));
    QCOMPARE(scaled.pixel(10, 10), qRgb(0, 255, 0));
    QCOMPARE(extractIcon(path, 2).pixel(0, 0), qRgb(0, 0, 255));
    QCOMPARE(extractIcon(path, 0, 16).pixel(0, 0), qRgb(9, 9, 9));
    QVERIFY(extractIcon(path, 3).isNull());
    QVERIFY(extractIcon(path, -1).isNull());
  }

  void groupNamingMissingIconGivesNone() {
    PeWriter w;
    w.addIconGroup(ResourceName::fromId(1), {solid(32, qRgb(1, 1, 1))});
    QByteArray group = QByteArray::fromHex("000001000100") + QByteArray(14, '\0');
    qToLittleEndian<quint16>(77, group.data() + 6 + 12);  // no RT_ICON 77
    w.addResource(RtGroupIcon, ResourceName::fromId(2), group);
    w.addResource(RtGroupIcon, ResourceName::fromId(3), QByteArray::fromHex("0000010009"));  // entries cut off
    const auto module = PeImage::fromBytes(w.build());
    QVERIFY(!extractIcon(*module, 0).isNull());
    QVERIFY(extractIcon(*module, 1).isNull());
    QVERIFY(extractIcon(*module, 2).isNull());
  }

  void iconFile() {
    const QString path = sono::testing::writeFile(QDir(dir_.path()), "one.ico",
                                                  buildIcoFile({solid(16, qRgb(1, 1, 1)), solid(32, qRgb(7, 8, 9))}));
    QCOMPARE(iconCount(path), 1);
    QCOMPARE(extractIcon(path, 0).pixel(5, 5), qRgb(7, 8, 9));
    QVERIFY(extractIcon(path, 1).isNull());
    QByteArray cut = buildIcoFile({solid(32, qRgb(7, 8, 9))});
    cut.truncate(200);
    QVERIFY(iconFromIcoData(cut).isNull());
  }

  void noIconSource_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text") << QByteArray("no icons here");
    QTest::newRow("module without icons") << sono::testing::rcdataModule({{"A", "b"}});
    QTest::newRow("empty file") << QByteArray();
  }
  void noIconSource() {
    QFETCH(QByteArray, bytes);
    const QString path = sono::testing::writeFile(QDir(dir_.path()), "none.bin", bytes);
    QCOMPARE(iconCount(path), 0);
    QVERIFY(extractIcon(path, 0).isNull());
    QVERIFY(extractIcon(dir_.filePath("absent.dll"), 0).isNull());
  }

  void shippedLibraries_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("count");
    QTest::newRow("IconList.dll") << "IconList.dll" << 20;
    QTest::newRow("Icones.dll") << "Icones.dll" << 108;
  }
  void shippedLibraries() {
    QFETCH(QString, file);
    QFETCH(int, count);
    const QString path = qEnvironmentVariable("SONO_BUILD_DIR") + "/" + file;
    QCOMPARE(iconCount(path), count);
    QList<QImage> seen;
    for (int i = 0; i < count; ++i) {
      const QImage icon = extractIcon(path, i);
      QCOMPARE(icon.size(), QSize(32, 32));
      QVERIFY(qAlpha(icon.pixel(16, 16)) == 255);
      if (file == "IconList.dll") {
        QVERIFY2(!seen.contains(icon), qPrintable(QString("place %1 looks like another").arg(i + 1)));
        seen.append(icon);
      }
    }
    QVERIFY(extractIcon(path, count).isNull());
  }
};

QTEST_GUILESS_MAIN(TestIconFile)
#include "tst_IconFile.moc"
