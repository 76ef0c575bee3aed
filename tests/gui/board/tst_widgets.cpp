// The board's widgets drawn for real on the offscreen platform, and the
// skin component with the skins we ship.

#include "platform/skin/SkinData.h"
#include "platform/widgets/ActionList.h"
#include "platform/widgets/Gauge.h"
#include "platform/widgets/ImageList.h"
#include "platform/widgets/PngButton.h"
#include "platform/widgets/SpeedButton.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

using namespace sono;
using widgets::TRSpeedButton;

namespace {

QImage solid(QColor c) {
  QImage img(32, 32, QImage::Format_ARGB32);
  img.fill(c);
  return img;
}

}  // namespace

class TestWidgets : public QObject {
  Q_OBJECT
 private slots:
  void captionLines_data() {
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("broken caption") << "VINHETA DE...\rDO PROGRAMA...\r"
                                    << QStringList{"VINHETA DE...", "DO PROGRAMA..."};
    QTest::newRow("one line") << "Aplausos" << QStringList{"Aplausos"};
    QTest::newRow("CR LF counts once") << "Vinheta\r\nda Manhã" << QStringList{"Vinheta", "da Manhã"};
    QTest::newRow("empty line kept inside") << "A\r\rB" << QStringList{"A", "", "B"};
  }
  void captionLines() {
    QFETCH(QString, caption);
    QFETCH(QStringList, lines);
    TRSpeedButton b;
    b.setCaption(caption);
    QCOMPARE(b.captionLines(), lines);
  }

  void glyphAboveCaption() {
    widgets::TImageList list;
    list.add(solid(Qt::red));
    list.add(solid(Qt::blue));
    QCOMPARE(list.add(QImage()), -1);
    QCOMPARE(list.count(), 2);
    TRSpeedButton b;
    b.resize(100, 100);
    b.setCaption(QStringLiteral("Linha um\rLinha dois\r"));
    b.setImages(&list, 1);
    QVERIFY(b.hasGlyph());
    const QImage shot = b.grab().toImage();
    // The glyph is centred horizontally, above the two caption lines.
    const QFontMetrics fm(b.font());
    const int top = 3 + (94 - 34 - 2 * fm.height()) / 2;
    QCOMPARE(shot.pixelColor(50, top + 16), QColor(Qt::blue));
    // A place past the list (a 21st sequence place) shows no glyph.
    b.setImageIndex(20);
    QVERIFY(!b.hasGlyph());
    QVERIFY(b.grab().toImage().pixelColor(50, top + 16) != QColor(Qt::blue));
  }

  void transparentLeavesTheFace() {
    QWidget parent;
    parent.setAutoFillBackground(true);
    QPalette p = parent.palette();
    p.setColor(QPalette::Window, QColor(0, 128, 0));
    parent.setPalette(p);
    parent.resize(200, 100);
    auto* opaque = new TRSpeedButton(&parent);
    opaque->setGeometry(0, 0, 100, 100);
    auto* clear = new TRSpeedButton(&parent);
    clear->setGeometry(100, 0, 100, 100);
    clear->setTransparent(true);
    const QImage shot = parent.grab().toImage();
    QVERIFY(shot.pixelColor(50, 90) != QColor(0, 128, 0));
    QCOMPARE(shot.pixelColor(150, 90), QColor(0, 128, 0));
    QCOMPARE(clear->cursor().shape(), Qt::PointingHandCursor);
    clear->setHint(QStringLiteral("HORA CERTA"));
    QVERIFY(clear->toolTip().isEmpty());
  }

  void gaugeKeepsItsRange_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("progress");
    QTest::newRow("inside") << 42 << 42;
    QTest::newRow("below") << -5 << 0;
    QTest::newRow("above") << 250 << 100;
  }
  void gaugeKeepsItsRange() {
    QFETCH(int, value);
    QFETCH(int, progress);
    widgets::TGauge g;
    g.setProgress(value);
    QCOMPARE(g.progress(), progress);
    QCOMPARE(g.percentDone(), progress);
    g.setRange(10, 5);  // an inverted range is empty
    QCOMPARE(g.maxValue(), 10);
    QCOMPARE(g.percentDone(), 0);
  }

  void gaugeDrawsItsShare() {
    widgets::TGauge g;
    g.resize(102, 13);
    g.setProgress(50);
    const QImage shot = g.grab().toImage();
    QCOMPARE(shot.pixelColor(5, 2), QColor(Qt::black));
    QCOMPARE(shot.pixelColor(96, 2), QColor(Qt::white));
    QCOMPARE(g.font().pointSize(), 8);
    QCOMPARE(widgets::gaugeGeometry(QRect(100, 200, 107, 107)), QRect(104, 290, 99, 13));
  }

  void pictureButtonStates() {
    QPixmap normal(16, 16), down(16, 16), over(16, 16);
    normal.fill(Qt::blue);
    down.fill(Qt::red);
    over.fill(Qt::green);
    widgets::TPNGButton b;
    b.setImageNormal(normal);
    QCOMPARE(b.currentImage().toImage(), normal.toImage());
    b.setDown(true);
    QCOMPARE(b.currentImage().toImage(), normal.toImage());  // no pressed picture yet
    b.setImageDown(down);
    QCOMPARE(b.currentImage().toImage(), down.toImage());
    b.setDown(false);
    b.setImageOver(over);
    QCOMPARE(b.currentImage().toImage(), normal.toImage());
  }

  void actionListOnItsHost() {
    QWidget host;
    widgets::TActionList al(&host);
    QAction* a = al.add(QStringLiteral("Action1"));
    QAction* b = al.add(QStringLiteral("Action2"));
    QCOMPARE(host.actions(), (QList<QAction*>{a, b}));
    QCOMPARE(al.indexOf(b), 1);
    QSignalSpy spy(&al, &widgets::TActionList::executed);
    b->trigger();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy[0][0].value<QAction*>(), b);
    QPointer<QAction> gone = a;
    al.clear();
    QVERIFY(gone.isNull());
    QVERIFY(host.actions().isEmpty());
    QCOMPARE(al.action(0), nullptr);
  }

  void shippedSkins_data() {
    QTest::addColumn<QString>("file");
    const QDir dir(qEnvironmentVariable("SONO_SOURCE_DIR") + QStringLiteral("/assets/skins"));
    const QStringList names = dir.entryList({QStringLiteral("*.skn")}, QDir::Files);
    QVERIFY(names.size() >= 2);
    for (const QString& n : names) {
      QTest::newRow(qPrintable(n)) << dir.filePath(n);
      const QString preview = dir.filePath(QStringLiteral("Images/") + QFileInfo(n).completeBaseName() + ".jpg");
      QVERIFY2(!QImage(preview).isNull(), qPrintable(preview));
    }
  }
  void shippedSkins() {
    QFETCH(QString, file);
    QTest::failOnWarning(QRegularExpression(QStringLiteral("(?i)parse|stylesheet")));
    skin::TSkinData sd;
    sd.setSkinFile(file);
    sd.setActive(true);
    QVERIFY(sd.skinLoaded());
    QVERIFY(!sd.skin().palette.isEmpty());
    QVERIFY(!qApp->styleSheet().isEmpty());
    // The style sheet is read when a widget is polished with it.
    TRSpeedButton b;
    b.resize(80, 80);
    b.setCaption(QStringLiteral("Teste"));
    QVERIFY(!b.grab().isNull());
    sd.setActive(false);
    QVERIFY(!sd.skinLoaded());
    QVERIFY(qApp->styleSheet().isEmpty());
  }

  void skinFileMissingOrTooLarge() {
    QTemporaryDir dir;
    const QString big = dir.filePath(QStringLiteral("big.skn"));
    {
      QFile f(big);
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(QByteArray(skin::TSkinData::kMaxFileSize + 1, ' '));
    }
    skin::TSkinData sd;
    sd.setActive(true);
    QVERIFY(!sd.skinLoaded());  // active with no file: nothing worn
    sd.setSkinFile(dir.filePath(QStringLiteral("none.skn")));
    QVERIFY(!sd.skinLoaded());
    sd.setSkinFile(big);
    QVERIFY(!sd.skinLoaded());
    QVERIFY(qApp->styleSheet().isEmpty());
  }
};

QTEST_MAIN(TestWidgets)
#include "tst_widgets.moc"
