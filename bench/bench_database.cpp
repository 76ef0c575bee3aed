// Database figures: creating a database from the schema, starting the data
// module (INI, connect, profiles and configuration opened), opening a
// profile's buttons, and posting a new button (apply + commit-retaining).
// Embedded, and through the loopback server when one runs.
//
//   bench_database [rounds]

#include "app/data/DM_Sonopaine.h"
#include "platform/firebird/FbError.h"
#include "platform/text/CodePage.h"
#include "support/data/TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

using namespace sono;

namespace {

struct Stats {
  std::vector<double> ms;
  void add(double v) { ms.push_back(v); }
  void print(const char* what) {
    std::sort(ms.begin(), ms.end());
    auto at = [&](double q) { return ms[std::min(ms.size() - 1, static_cast<size_t>(q * ms.size()))]; };
    std::printf("%-44s n=%3zu  p50 %8.2f ms  p90 %8.2f ms  max %8.2f ms\n", what, ms.size(), at(0.5), at(0.9),
                ms.back());
  }
};

double timed(const std::function<void()>& f) {
  QElapsedTimer t;
  t.start();
  f();
  return static_cast<double>(t.nsecsElapsed()) / 1e6;
}

void run(const char* label, bool server, int rounds) {
  Stats create, start, buttons, post;
  for (int i = 0; i < rounds; ++i) {
    test::TestFolder folder;
    const QString path = folder.file("SONOPAINEDB.FDB");
    const QString conn = server ? test::serverName(path) : path;
    create.add(timed([&] { data::createDatabase(conn, server ? QString() : test::kEmbeddedOnly); }));
    {
      test::Peer peer(conn, server ? QString() : test::kEmbeddedOnly);
      peer.exec("INSERT INTO TB_PERFILBOTOES VALUES (1, 'P', 100)");
      for (int b = 0; b < 60; ++b)
        peer.exec("INSERT INTO TB_SONOPAINE (BT_CODIGO, PBO_CODIGO, BT_ORDEM, BT_DESCRICAO, BT_ARQUIVO) VALUES (" +
                  QByteArray::number(b + 1) + ", 1, " + QByteArray::number(b) + ", 'Botao', '/x/y.wav')");
      peer.exec("SET GENERATOR GEN_SONOPAINE TO 100");
    }
    folder.writeIni("[BANCO]\nCAMINHO=" + text::toAnsi(conn) + "\n");
    TDM dm(folder.path());
    start.add(timed([&] { dm.DataModuleCreate(); }));
    buttons.add(timed([&] {
      dm.Q_Sonopaine->close();
      dm.Q_Sonopaine->open();
      dm.Q_Sonopaine->fetchAll();
    }));
    post.add(timed([&] {
      dm.Q_Sonopaine->append();
      dm.Q_Sonopaine->fieldByName("PBO_CODIGO").setInteger(1);
      dm.Q_Sonopaine->post();
    }));
  }
  std::printf("-- %s\n", label);
  create.print("create database from the schema");
  start.print("data module start (connect, open, fetch)");
  buttons.print("open a profile's 60 buttons");
  post.print("post a new button (apply + commit)");
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 20;
  try {
    run("embedded", false, rounds);
  } catch (const fb::FbError& e) {
    std::printf("embedded: %s\n", qPrintable(e.message()));
  }
  try {
    run("loopback server", true, rounds);
  } catch (const fb::FbError& e) {
    std::printf("server: %s (is the server running? scripts/services/firebird-server start)\n",
                qPrintable(e.message()));
  }
  return 0;
}
