// MontarBotoes for boards of 100, 1 000 and 5 000 buttons with icons:
// prints the rebuild time (best and median of several runs) and the time
// per button, so the growth can be read off.

#include "app/data/DM_Sonopaine.h"
#include "board/SystemServices.h"
#include "board/U_QuadroBotoes.h"
#include "platform/pe/PeWriter.h"
#include "support/data/TestDatabase.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFrame>

#include <algorithm>
#include <cstdio>

using namespace sono;

namespace {

void fillProfile(const QString& db, const QString& icones, int n) {
  test::Peer peer(db, test::kEmbeddedOnly);
  peer.exec("INSERT INTO TB_PERFILBOTOES (PBO_CODIGO, PBO_DESCRICAO, PBO_TAMANHO) VALUES (1, 'Bench', 100)");
  const QByteArray sql = "EXECUTE BLOCK AS DECLARE i INTEGER = 0; BEGIN WHILE (i < " + QByteArray::number(n) +
                         ") DO BEGIN INSERT INTO TB_SONOPAINE (BT_CODIGO, BT_ARQUIVO, BT_DESCRICAO, BT_LOOP, "
                         "BT_ATALHO, PBO_CODIGO, BT_TIPO, BT_ARQUIVOICONE, BT_INDEXICONE, BT_ORDEM) VALUES "
                         "(GEN_ID(GEN_SONOPAINE, 1), 'a.wav', 'VINHETA DE ABERTURA ' || :i, 'N', 'F' || "
                         "(MOD(:i, 12) + 1), 1, 'E', '" +
                         icones.toLocal8Bit() + "', MOD(:i, 106), :i); i = i + 1; END END";
  fb::FbStatement st(peer.db, peer.tra, sql, false);
  st.execute();
  peer.tra.commit();
}

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  QApplication app(argc, argv);
  std::printf("%8s %10s %10s %14s\n", "buttons", "best ms", "median ms", "us per button");
  for (const int n : {100, 1000, 5000}) {
    test::TestFolder folder;
    const QString db = folder.newDatabase();
    folder.writeIni("[BANCO]\r\nCAMINHO=" + db.toLocal8Bit() + "\r\n");
    pe::PeWriter lib;
    for (int i = 0; i < 106; ++i) {
      QImage img(32, 32, QImage::Format_ARGB32);
      img.fill(QColor::fromHsv((i * 37) % 360, 200, 220));
      lib.addIconGroup(pe::ResourceName::fromId(quint16(i + 1)), {img});
    }
    const QString icones = folder.file(QStringLiteral("Icones.dll"));
    if (!lib.write(icones)) return 1;
    fillProfile(db, icones, n);

    TDM dm(folder.path());
    DM = &dm;
    dm.DataModuleCreate();
    {
      QFrame panel;
      panel.resize(1280, 760);
      panel.show();
      board::TQuadroBotoes quadro(&panel, folder.path());
      quadro.setFonteIcones(board::fonteIconesDoSistema());
      quadro.setLeitorAtalho(board::leitorAtalhoDoSistema());
      quadro.MontarBotoes();  // warm-up: file cache, statement cache
      QList<qint64> times;
      for (int run = 0; run < 7; ++run) {
        QElapsedTimer t;
        t.start();
        quadro.MontarBotoes();
        times << t.nsecsElapsed();
        QCoreApplication::processEvents();
      }
      if (quadro.Botoes.size() != n || quadro.ImageBotoes->count() != n) return 2;
      std::sort(times.begin(), times.end());
      const double best = times.first() / 1e6;
      const double median = times[times.size() / 2] / 1e6;
      std::printf("%8d %10.1f %10.1f %14.1f\n", n, best, median, median * 1000.0 / n);
    }
    DM = nullptr;
  }
  return 0;
}
