#include "platform/firebird/FbScript.h"

#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/firebird/ScriptParser.h"

namespace sono::fb {
namespace {

bool isDdl(const QByteArray& text) {
  const QByteArray first = text.left(text.indexOf(' ') < 0 ? text.size() : text.indexOf(' ')).toUpper();
  static const QByteArrayList dml = {"SELECT", "INSERT", "UPDATE", "DELETE", "EXECUTE", "MERGE", "WITH"};
  return !dml.contains(first.trimmed());
}

QStringList credentials(const ScriptCommand& c, const FbDatabase& db) {
  QStringList p;
  p << QStringLiteral("user_name=") + (c.user.isEmpty() ? db.userName() : QString::fromUtf8(c.user));
  p << QStringLiteral("password=") + (c.password.isEmpty() ? db.password() : QString::fromUtf8(c.password));
  return p;
}

}  // namespace

bool FbScript::execute() {
  errors_.clear();
  run_ = 0;
  const ParsedScript parsed = parseScript(script_);
  bool autoDdl = true;
  using K = ScriptCommand::Kind;
  for (const ScriptCommand& c : parsed.commands) {
    try {
      switch (c.kind) {
        case K::SetTerm:
        case K::SetNames:
        case K::SetOther: break;
        case K::SetAutoDdl: autoDdl = c.flag; break;
        case K::SetSqlDialect:
          if (c.number != 1 && c.number != 3) throw FbError(QStringLiteral("Invalid SQL dialect %1").arg(c.number));
          db_.setSqlDialect(c.number);
          break;
        case K::Commit: tra_.commit(); break;
        case K::Rollback: tra_.rollback(); break;
        case K::Connect:
        case K::CreateDatabase:
          tra_.commit();
          db_.close();
          db_.setDatabaseName(QString::fromUtf8(c.argument));
          db_.setParams(credentials(c, db_));
          if (c.kind == K::Connect)
            db_.open();
          else
            db_.createDatabase(c.number > 0 ? c.number : 8192);
          break;
        case K::Sql: {
          FbStatement st(db_, tra_, c.text, false);
          st.execute();
          if (autoDdl && isDdl(c.text)) tra_.commit();
          break;
        }
      }
      ++run_;
    } catch (const FbError& e) {
      errors_.append({c.line, c.text, e.message()});
      if (!continueOnError_) {
        try {
          tra_.rollback();
        } catch (const FbError&) {
        }
        throw FbError(QStringLiteral("Line %1: %2").arg(c.line).arg(e.message()), e.sqlCode());
      }
      // Statements after a failed DDL must not see a half-done transaction.
      if (tra_.inTransaction()) {
        try {
          tra_.rollback();
        } catch (const FbError&) {
        }
      }
    }
  }
  if (tra_.inTransaction()) tra_.commit();
  return errors_.isEmpty();
}

}  // namespace sono::fb
