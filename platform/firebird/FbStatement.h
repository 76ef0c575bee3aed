#pragma once
// One SQL statement with named parameters, prepared on a connection and
// run in a transaction. Values cross as FbValue: integers as 64-bit
// integers, everything textual as bytes; other column types arrive as the
// server's text for them.

#include "platform/firebird/FbValue.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

#include <memory>

namespace sono::fb {

class FbDatabase;
class FbTransaction;

struct FbColumn {
  QString name;          // alias as the statement names it, upper case for plain identifiers
  unsigned sqlType = 0;  // SQL_* without the null bit
  unsigned length = 0;   // bytes
  int scale = 0;
  bool nullable = true;
  bool isText() const;
  bool isInteger() const;
};

using FbRow = QVector<FbValue>;

class FbStatement {
 public:
  // With `namedParams` false the text goes to the server as it is (script
  // statements: a procedure body uses ":name" for its own variables).
  FbStatement(FbDatabase& db, FbTransaction& tra, const QByteArray& sql, bool namedParams = true);
  ~FbStatement();
  FbStatement(const FbStatement&) = delete;
  FbStatement& operator=(const FbStatement&) = delete;

  // Parameter names in order of their first appearance.
  QStringList paramNames() const;
  bool hasParam(const QString& name) const;
  // Sets every marker of that name; raises FbError for an unknown name.
  void setParam(const QString& name, const FbValue& value);

  bool isSelect() const;
  // Runs the statement; for a select every row is fetched.
  void execute();
  const QVector<FbColumn>& columns() const { return columns_; }
  const QList<FbRow>& rows() const { return rows_; }
  // Rows changed by the last insert/update/delete.
  int rowsAffected() const { return rowsAffected_; }

 private:
  struct Impl;
  std::unique_ptr<Impl> d_;
  QVector<FbColumn> columns_;
  QList<FbRow> rows_;
  int rowsAffected_ = 0;
};

}  // namespace sono::fb
