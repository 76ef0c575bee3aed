// The board's arithmetic: caption lines, grid, play targets; the network
// path mapping and the skin file format.

#include "board/BoardLayout.h"
#include "platform/files/NetworkPath.h"
#include "platform/skin/SkinFormat.h"

#include <QtTest>

using namespace sono;

namespace {
const QString CR = QString(QChar(13));
}

class TestBoardLayout : public QObject {
  Q_OBJECT
 private slots:
  void breaksCaptions_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("largura");
    QTest::addColumn<QString>("esperado");
    QTest::newRow("three lines, cut word dropped")
        << "VINHETA DE ABERTURA DO PROGRAMA" << 10
        << QString("VINHETA DE..." + CR + "ABERTURA D..." + CR + "PROGRAMA..." + CR);
    QTest::newRow("exactly one line") << "ABERTURA12" << 10 << QString("ABERTURA12..." + CR);
    QTest::newRow("shorter: unchanged") << "Abertura" << 10 << "Abertura";
    QTest::newRow("one short of a line") << "123456789" << 10 << "123456789";
    QTest::newRow("no space after the first line") << "ABCDEFGHIJKLMNOPQRSTU" << 10 << QString("ABCDEFGHIJ..." + CR);
    QTest::newRow("blanks and controls trimmed")
        << QString(" \tVINHETA   DO SHOW") << 9 << QString("VINHETA..." + CR + "DO SHOW..." + CR);
    QTest::newRow("text after the last line dropped")
        << "AB CD EF GH IJ" << 5 << QString("AB CD..." + CR + "EF GH..." + CR);
    QTest::newRow("11 characters at 100 pixels")
        << "BOM DIA A TODOS OS OUVINTES" << 100 / 9 << QString("BOM DIA A T..." + CR + "OS OUVINTES..." + CR);
    QTest::newRow("empty") << "" << 10 << "";
    QTest::newRow("width 0 (button under 9 pixels): unchanged") << "VINHETA" << 0 << "VINHETA";
    QTest::newRow("negative width: unchanged") << "VINHETA" << -3 << "VINHETA";
  }
  void breaksCaptions() {
    QFETCH(QString, texto);
    QFETCH(int, largura);
    QFETCH(QString, esperado);
    QCOMPARE(board::QuebrarLegenda(texto, largura), esperado);
  }

  void grid_data() {
    QTest::addColumn<int>("largura");
    QTest::addColumn<int>("tamanhoPerfil");
    QTest::addColumn<int>("colunas");
    QTest::addColumn<int>("tamanho");
    QTest::addColumn<int>("caracteres");
    QTest::newRow("1021 px, size 100") << 1021 << 100 << 10 << 100 << 11;
    QTest::newRow("1100 px, size 100: buttons grow") << 1100 << 100 << 10 << 107 << 11;
    QTest::newRow("exactly one button") << 121 << 100 << 1 << 100 << 11;
    QTest::newRow("narrower than one button: one column") << 100 << 100 << 1 << 79 << 8;
    QTest::newRow("profile without a size: one column") << 1021 << 0 << 1 << 1000 << 111;
    QTest::newRow("negative size: one column") << 1021 << -5 << 1 << 1000 << 111;
    QTest::newRow("board narrower than its margin") << 10 << 100 << 1 << 1 << 0;
  }
  void grid() {
    QFETCH(int, largura);
    QFETCH(int, tamanhoPerfil);
    QFETCH(int, colunas);
    QFETCH(int, tamanho);
    QFETCH(int, caracteres);
    const int c = board::colunasDoQuadro(largura, tamanhoPerfil);
    QCOMPARE(c, colunas);
    QCOMPARE(board::tamanhoDoBotao(largura, c), tamanho);
    QCOMPARE(board::tamanhoDoBotao(largura, c) / board::kPixelsPorCaractere, caracteres);
  }

  void places_data() {
    QTest::addColumn<int>("indice");
    QTest::addColumn<int>("colunas");
    QTest::addColumn<QPoint>("posicao");
    QTest::newRow("first") << 0 << 10 << QPoint(0, 0);
    QTest::newRow("last of the first row") << 9 << 10 << QPoint(900, 0);
    QTest::newRow("first of the second row") << 10 << 10 << QPoint(0, 100);
    QTest::newRow("one column") << 3 << 1 << QPoint(0, 300);
    QTest::newRow("zero columns count as one") << 2 << 0 << QPoint(0, 200);
  }
  void places() {
    QFETCH(int, indice);
    QFETCH(int, colunas);
    QFETCH(QPoint, posicao);
    QCOMPARE(board::posicaoDoBotao(indice, colunas, 100), posicao);
  }

  void playTargets_data() {
    QTest::addColumn<QString>("arquivo");
    QTest::addColumn<QString>("descricao");
    QTest::addColumn<bool>("irmao");
    QTest::addColumn<QString>("alvo");
    QTest::newRow("own mode: as stored") << R"(C:\Audio\a.mp3)"
                                         << "Abertura" << false << R"(C:\Audio\a.mp3)";
    QTest::newRow("sibling: C drive") << R"(C:\Audio\a.mp3)"
                                      << "Abertura" << true << R"(\\SRV\c\Audio\a.mp3)";
    QTest::newRow("sibling: lower-case drive stays") << R"(c:\Audio\a.mp3)"
                                                     << "Abertura" << true << R"(c:\Audio\a.mp3)";
    QTest::newRow("sibling: D and E") << R"(D:\x.wav|E:\y.wav)"
                                      << "x" << true << R"(\\SRV\d\x.wav|\\SRV\e\y.wav)";
    QTest::newRow("sibling: every occurrence") << R"(C:\C:\a.wav)"
                                               << "x" << true << R"(\\SRV\c\\\SRV\c\a.wav)";
    QTest::newRow("sibling: other drives stay") << R"(F:\a.wav)"
                                                << "x" << true << R"(F:\a.wav)";
    QTest::newRow("time announcement") << R"(C:\Audio\a.mp3)"
                                       << "HORA CERTA" << false << "HORA CERTA";
    QTest::newRow("time announcement, any case, sibling") << R"(C:\a.mp3)"
                                                          << "Hora Certa" << true << "HORA CERTA";
    QTest::newRow("not exactly the words") << "a.mp3"
                                           << "HORA CERTA " << false << "a.mp3";
  }
  void playTargets() {
    QFETCH(QString, arquivo);
    QFETCH(QString, descricao);
    QFETCH(bool, irmao);
    QFETCH(QString, alvo);
    QCOMPARE(board::alvoDoBotao(arquivo, descricao, irmao, QStringLiteral("SRV")), alvo);
  }

  void networkPaths_data() {
    QTest::addColumn<QString>("caminho");
    QTest::addColumn<QString>("local");
    QTest::newRow("share c") << R"(\\SRV\c\Audio\a.mp3)"
                             << "/mnt/SRV/c/Audio/a.mp3";
    QTest::newRow("forward slashes") << "//SRV/d/x.wav"
                                     << "/mnt/SRV/d/x.wav";
    QTest::newRow("doubled separators") << R"(\\SRV\c\\Audio\a.mp3)"
                                        << "/mnt/SRV/c/Audio/a.mp3";
    QTest::newRow("local path unchanged") << "/home/a.wav"
                                          << "/home/a.wav";
    QTest::newRow("drive path unchanged") << R"(C:\Audio\a.mp3)"
                                          << R"(C:\Audio\a.mp3)";
    QTest::newRow("server without share: not a network path") << R"(\\SRV)"
                                                              << R"(\\SRV)";
    QTest::newRow("climbing out refused") << R"(\\SRV\c\..\..\etc\passwd)"
                                          << "";
    QTest::newRow("three leading separators: not a network path") << R"(\\\SRV\c\a)"
                                                                  << R"(\\\SRV\c\a)";
    QTest::newRow("empty") << ""
                           << "";
  }
  void networkPaths() {
    QFETCH(QString, caminho);
    QFETCH(QString, local);
    QCOMPARE(files::localPath(caminho, QStringLiteral("/mnt/")), local);
  }

  void networkPathsIgnoreLetterCase() {
    QTemporaryDir mount;
    QVERIFY(QDir(mount.path()).mkpath(QStringLiteral("SRV/c/Audio")));
    QFile f(mount.filePath(QStringLiteral("SRV/c/Audio/Vinheta.wav")));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(files::localPath(QStringLiteral(R"(\\srv\C\AUDIO\vinheta.WAV)"), mount.path()),
             mount.filePath(QStringLiteral("SRV/c/Audio/Vinheta.wav")));
  }

  void networkMountFolderFollowsEnvironment() {
    qputenv("SONO_NETWORK_MOUNTS", "/srv/shares");
    QCOMPARE(files::localPath(QStringLiteral(R"(\\SRV\e\a.wav)")), QStringLiteral("/srv/shares/SRV/e/a.wav"));
    qunsetenv("SONO_NETWORK_MOUNTS");
    QCOMPARE(files::networkMountFolder(), QStringLiteral("/mnt"));
  }

  void skinFiles_data() {
    QTest::addColumn<QString>("texto");
    QTest::addColumn<int>("cores");
    QTest::addColumn<QString>("folha");
    QTest::newRow("style sheet only") << "QWidget { color: red; }\n" << 0 << "QWidget { color: red; }\n";
    QTest::newRow("palette header") << "@Window #102030\n@ButtonText white\nQLabel {}\n" << 2 << "QLabel {}\n";
    QTest::newRow("comments and blanks in the header") << "// Azul\n\n@Base #fff\n\nQLabel {}" << 1 << "QLabel {}";
    QTest::newRow("unknown role skipped") << "@Nothing #fff\n@Window #000\nQLabel {}" << 1 << "QLabel {}";
    QTest::newRow("bad colour skipped") << "@Window notacolour\nQLabel {}" << 0 << "QLabel {}";
    QTest::newRow("palette only") << "@Window #000\n" << 1 << "";
    QTest::newRow("header ends at the first sheet line") << "QLabel {}\n@Window #000\n"
                                                         << 0 << "QLabel {}\n@Window #000\n";
    QTest::newRow("byte order mark") << QString(QChar(0xFEFF)) + "@Window #000\nQLabel {}" << 1 << "QLabel {}";
    QTest::newRow("empty") << "" << 0 << "";
  }
  void skinFiles() {
    QFETCH(QString, texto);
    QFETCH(int, cores);
    QFETCH(QString, folha);
    const skin::SkinDefinition def = skin::parseSkin(texto);
    QCOMPARE(def.palette.size(), cores);
    QCOMPARE(def.styleSheet, folha);
  }

  void skinPaletteRoles() {
    const skin::SkinDefinition def = skin::parseSkin(QStringLiteral("@window #102030\n@ButtonText #ffffff\n"));
    const QPalette p = skin::applyPalette(QPalette(Qt::gray), def);
    QCOMPARE(p.color(QPalette::Active, QPalette::Window), QColor(0x10, 0x20, 0x30));
    QCOMPARE(p.color(QPalette::Disabled, QPalette::Window), QColor(0x10, 0x20, 0x30));
    QCOMPARE(p.color(QPalette::Active, QPalette::ButtonText), QColor(Qt::white));
    // Disabled text stays distinguishable from enabled text.
    QVERIFY(p.color(QPalette::Disabled, QPalette::ButtonText) != QColor(Qt::white));
  }
};

QTEST_GUILESS_MAIN(TestBoardLayout)
#include "tst_boardlayout.moc"
