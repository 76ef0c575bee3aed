#pragma once
// Fixtures for tests that need a real database: a fresh embedded database
// made from the schema in a temporary folder, the same on the loopback
// server, and an installation folder with a BaseKyrel.ini.

#include "app/data/Credentials.h"
#include "app/data/Schema.h"
#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include <dlfcn.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUuid>

#include <memory>

namespace sono::test {

// Insists on the embedded engine: with the default providers a path that a
// server holds open would silently go through the server.
inline const QString kEmbeddedOnly = QStringLiteral("Providers=Engine12");

inline QString serverName(const QString& path) { return QStringLiteral("localhost:") + path; }

// The embedded engine is a plugin the client library unloads when the last
// attachment closes; the thread sanitizer, told to leave that library's
// calls alone, must not see it go. Harmless elsewhere.
inline void keepEmbeddedEngineLoaded() {
  static const bool once = [] {
    dlopen("/usr/lib/x86_64-linux-gnu/firebird/3.0/plugins/libEngine12.so", RTLD_NOW | RTLD_NODELETE);
    return true;
  }();
  (void)once;
}

class TestFolder {
 public:
  TestFolder() {
    keepEmbeddedEngineLoaded();
    dir_.setAutoRemove(true);
  }
  QString path() const { return dir_.path(); }
  QString file(const QString& name) const { return QDir(dir_.path()).filePath(name); }

  // A new database file from the schema; returns its path.
  QString newDatabase(const QString& name = QStringLiteral("SONOPAINEDB.FDB")) const {
    const QString p = file(name);
    data::createDatabase(p, kEmbeddedOnly);
    return p;
  }

  // BaseKyrel.ini with the given raw bytes.
  void writeIni(const QByteArray& bytes) const {
    QFile f(file(QStringLiteral("BaseKyrel.ini")));
    f.open(QIODevice::WriteOnly | QIODevice::Truncate);
    f.write(bytes);
  }

 private:
  QTemporaryDir dir_;
};

// A connection of its own to a database, to look at it from outside the
// data module (a second studio terminal, so to speak).
class Peer {
 public:
  explicit Peer(const QString& name, const QString& config = {}) {
    db.setDatabaseName(name);
    db.setParams(data::connectionParams());
    db.setSqlDialect(data::kSqlDialect);
    db.setConfig(config);
    db.setDefaultTransaction(&tra);
    tra.setDefaultDatabase(&db);
    tra.setParams({QStringLiteral("read_committed"), QStringLiteral("rec_version"), QStringLiteral("nowait")});
    db.open();
  }
  ~Peer() { db.close(); }

  QList<fb::FbRow> rows(const QByteArray& sql) {
    fb::FbStatement st(db, tra, sql);
    st.execute();
    QList<fb::FbRow> out = st.rows();
    tra.commit();
    return out;
  }
  fb::FbValue scalar(const QByteArray& sql) {
    const auto r = rows(sql);
    return r.isEmpty() ? fb::FbValue() : r.first().value(0);
  }
  void exec(const QByteArray& sql) {
    fb::FbStatement st(db, tra, sql);
    st.execute();
    tra.commit();
  }

  fb::FbDatabase db;
  fb::FbTransaction tra;
};

}  // namespace sono::test
