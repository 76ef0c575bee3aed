#pragma once
// Splits a script in the interactive SQL tool's syntax into statements and
// recognises the tool's own commands. Pure: nothing here talks to a
// database, so the parser can be fed any bytes.

#include <QByteArray>
#include <QList>
#include <QString>

namespace sono::fb {

struct ScriptCommand {
  enum class Kind {
    Sql,             // anything the server runs
    SetTerm,         // argument: the new terminator
    SetSqlDialect,   // number
    SetNames,        // argument: character set (texts stay bytes)
    SetAutoDdl,      // flag
    SetOther,        // other SET commands of the tool (ignored)
    Connect,         // argument, user, password
    CreateDatabase,  // argument, user, password, pageSize
    Commit,
    Rollback,
  };
  Kind kind = Kind::Sql;
  QByteArray text;      // the statement without its terminator, trimmed
  int line = 1;         // where it starts, 1-based
  QByteArray argument;  // see the kinds
  QByteArray user;
  QByteArray password;
  int number = 0;       // dialect or page size
  bool flag = false;
};

struct ParsedScript {
  QList<ScriptCommand> commands;
  QByteArray trailing;  // text after the last terminator (not run)
};

ParsedScript parseScript(const QByteArray& script);

}  // namespace sono::fb
