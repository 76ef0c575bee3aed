#pragma once
// A transaction on one connection. It starts on first use; commit-retaining
// keeps it (and the snapshot) alive; when the connection closes it ends by
// its default action.

#include <QObject>
#include <QStringList>

namespace Firebird {
class ITransaction;
}

namespace sono::fb {

class FbDatabase;

class FbTransaction : public QObject {
  Q_OBJECT
 public:
  enum class Action { Commit, Rollback };

  explicit FbTransaction(QObject* parent = nullptr);
  ~FbTransaction() override;

  void setDefaultDatabase(FbDatabase* db);
  FbDatabase* defaultDatabase() const { return db_; }
  // Words such as "read_committed", "rec_version", "nowait", "concurrency",
  // "read", "write", "wait"; an unknown word raises FbError at start.
  void setParams(const QStringList& params) { params_ = params; }
  const QStringList& params() const { return params_; }
  void setDefaultAction(Action a) { defaultAction_ = a; }
  Action defaultAction() const { return defaultAction_; }

  void start();
  bool inTransaction() const { return handle_ != nullptr; }
  void commit();
  void commitRetaining();
  void rollback();
  void rollbackRetaining();

  // The running transaction, started if it is not (raises FbError).
  Firebird::ITransaction* handle();

  // Ends the transaction by its default action; used when the connection
  // closes. Never raises.
  void endByDefaultAction() noexcept;

 private:
  void forget() noexcept;
  FbDatabase* db_ = nullptr;
  QStringList params_;
  Action defaultAction_ = Action::Commit;
  Firebird::ITransaction* handle_ = nullptr;
};

}  // namespace sono::fb
