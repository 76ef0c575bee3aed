#include "app/data/Schema.h"

#include "app/data/Credentials.h"
#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbScript.h"
#include "platform/firebird/FbTransaction.h"

namespace sono::data {

extern const char kSchemaSql[];  // generated from schema.sql at build time

QByteArray schemaScript() { return QByteArray(kSchemaSql); }

void createDatabase(const QString& connection, const QString& config) {
  fb::FbDatabase db;
  fb::FbTransaction tra;
  db.setDatabaseName(connection);
  db.setParams(connectionParams());
  db.setSqlDialect(kSqlDialect);
  db.setConfig(config);
  tra.setDefaultDatabase(&db);
  db.createDatabase();
  fb::FbScript script(db, tra);
  script.setScript(schemaScript());
  script.execute();
  db.close();
}

}  // namespace sono::data
