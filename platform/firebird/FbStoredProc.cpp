#include "platform/firebird/FbStoredProc.h"

#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbTransaction.h"

#include "platform/firebird/SqlLexing.h"

namespace sono::fb {

void FbStoredProc::setParam(const QString& name, const FbValue& v) {
  for (auto& p : params_) {
    if (p.first.compare(name, Qt::CaseInsensitive) == 0) {
      p.second = v;
      return;
    }
  }
  params_.append({name.toUpper(), v});
}

void FbStoredProc::execProc() {
  if (!db_) throw FbError(QStringLiteral("Database not assigned"));
  FbTransaction* t = tra_ ? tra_ : db_->defaultTransaction();
  if (!t) throw FbError(QStringLiteral("Transaction not assigned"));
  if (!isPlainIdentifier(name_)) throw FbError(QStringLiteral("Invalid procedure name: %1").arg(name_));

  FbStatement meta(*db_, *t,
                   "SELECT TRIM(RDB$PARAMETER_NAME) FROM RDB$PROCEDURE_PARAMETERS "
                   "WHERE RDB$PROCEDURE_NAME = :NAME AND RDB$PARAMETER_TYPE = 0 ORDER BY RDB$PARAMETER_NUMBER");
  meta.setParam(QStringLiteral("NAME"), FbValue(name_.toUpper().toLatin1()));
  meta.execute();
  QStringList inputs;
  for (const FbRow& r : meta.rows()) inputs << QString::fromLatin1(r.value(0).toBytes());
  for (const auto& p : params_) {
    if (!inputs.contains(p.first)) throw FbError(QStringLiteral("Parameter %1 not found").arg(p.first));
  }

  QByteArray sql = "EXECUTE PROCEDURE " + name_.toUpper().toLatin1();
  for (int i = 0; i < inputs.size(); ++i) sql += (i ? ", :" : " :") + inputs[i].toLatin1();
  FbStatement call(*db_, *t, sql);
  for (const QString& in : inputs) {
    FbValue v;
    for (const auto& p : params_)
      if (p.first == in) v = p.second;
    call.setParam(in, v);
  }
  call.execute();
}

}  // namespace sono::fb
