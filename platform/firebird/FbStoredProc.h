#pragma once
// A call of a stored procedure with named input parameters; the parameter
// order is read from the database when the call is prepared.

#include "platform/firebird/FbValue.h"

#include <QList>
#include <QPair>
#include <QString>

namespace sono::fb {

class FbDatabase;
class FbTransaction;

class FbStoredProc {
 public:
  void setDatabase(FbDatabase* db) { db_ = db; }
  void setTransaction(FbTransaction* t) { tra_ = t; }
  void setStoredProcName(const QString& name) { name_ = name; }
  const QString& storedProcName() const { return name_; }
  void setParam(const QString& name, const FbValue& v);
  // Runs the procedure; raises FbError (unknown procedure, a parameter the
  // procedure does not have, the procedure's own errors).
  void execProc();

 private:
  FbDatabase* db_ = nullptr;
  FbTransaction* tra_ = nullptr;
  QString name_;
  QList<QPair<QString, FbValue>> params_;
};

}  // namespace sono::fb
