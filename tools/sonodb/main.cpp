// sonodb: creates a Sonopaine database from the schema and runs scripts on
// it. Used by the run command to lay out an installation.
//
//   sonodb create <database> [--demo <script> --folder <installation folder>]
//   sonodb script <database> <script>
//
// <database> is a local path or host:path. In a demo script "[CAMINHO]"
// stands for the installation folder with its trailing slash. The script's
// text is taken as UTF-8 and stored as code page 1252, like the windows do.

#include "app/data/Credentials.h"
#include "app/data/Schema.h"
#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbScript.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/text/CodePage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <cstdio>

namespace {

int usage() {
  std::fputs(
      "usage: sonodb create <database> [--demo <script> --folder <installation folder>]\n"
      "       sonodb script <database> <script>\n",
      stderr);
  return 2;
}

void runScript(const QString& database, const QString& file, const QString& folder) {
  QFile f(file);
  if (!f.open(QIODevice::ReadOnly)) throw sono::fb::FbError(QStringLiteral("Cannot read %1").arg(file));
  QString text = QString::fromUtf8(f.readAll());
  if (!folder.isEmpty()) text.replace(QStringLiteral("[CAMINHO]"), QDir(folder).absolutePath() + '/');
  sono::fb::FbDatabase db;
  sono::fb::FbTransaction tra;
  db.setDatabaseName(database);
  db.setParams(sono::data::connectionParams());
  db.setSqlDialect(sono::data::kSqlDialect);
  tra.setDefaultDatabase(&db);
  db.open();
  sono::fb::FbScript script(db, tra);
  script.setScript(sono::text::toAnsi(text));
  script.execute();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList args = app.arguments().mid(1);
  if (args.size() < 2) return usage();
  try {
    QElapsedTimer timer;
    timer.start();
    if (args[0] == QLatin1String("create")) {
      const QString database = args[1];
      QString demo, folder;
      for (int i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == QLatin1String("--demo")) demo = args[i + 1];
        else if (args[i] == QLatin1String("--folder")) folder = args[i + 1];
        else return usage();
      }
      const qsizetype slash = database.lastIndexOf('/');
      if (!database.contains(':') && slash > 0) QDir().mkpath(database.left(slash));
      sono::data::createDatabase(database);
      if (!demo.isEmpty()) runScript(database, demo, folder);
    } else if (args[0] == QLatin1String("script") && args.size() == 3) {
      runScript(args[1], args[2], {});
    } else {
      return usage();
    }
    std::fprintf(stderr, "sonodb: %s done in %lld ms\n", qPrintable(args[0]), static_cast<long long>(timer.elapsed()));
    return 0;
  } catch (const sono::fb::FbError& e) {
    std::fprintf(stderr, "sonodb: %s\n", qPrintable(e.message()));
    return 1;
  }
}
