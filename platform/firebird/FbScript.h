#pragma once
// Runs a script in the interactive SQL tool's syntax against a connection:
// SQL statements in a transaction, and the tool's commands (SET TERM,
// SET SQL DIALECT, SET NAMES, SET AUTODDL, CONNECT, CREATE DATABASE,
// COMMIT, ROLLBACK). Failing statements can be skipped and reported.

#include <QByteArray>
#include <QList>
#include <QString>

namespace sono::fb {

class FbDatabase;
class FbTransaction;

struct FbScriptError {
  int line = 0;
  QByteArray statement;
  QString message;
};

class FbScript {
 public:
  // The connection the script runs on; CONNECT and CREATE DATABASE point
  // it elsewhere. The transaction must belong to that connection.
  FbScript(FbDatabase& db, FbTransaction& tra) : db_(db), tra_(tra) {}

  void setScript(const QByteArray& script) { script_ = script; }
  // true: a failing statement is recorded and the script goes on.
  void setContinueOnError(bool on) { continueOnError_ = on; }

  // Runs the script; the work is committed at the end. Returns true when
  // every statement succeeded. Without continue-on-error the first failure
  // rolls back what is not committed and raises FbError.
  bool execute();
  const QList<FbScriptError>& errors() const { return errors_; }
  int statementsRun() const { return run_; }

 private:
  FbDatabase& db_;
  FbTransaction& tra_;
  QByteArray script_;
  bool continueOnError_ = false;
  QList<FbScriptError> errors_;
  int run_ = 0;
};

}  // namespace sono::fb
