#pragma once
// A connection to one Firebird database. A plain path goes to the embedded
// engine, "host:path" to a server. Set up as the data module needs it:
// user and password from the parameter list, no login prompt, a chosen SQL
// dialect, no character set (texts stay bytes of the code page).

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

namespace Firebird {
class IAttachment;
}

namespace sono::fb {

class FbTransaction;

class FbDatabase : public QObject {
  Q_OBJECT
 public:
  explicit FbDatabase(QObject* parent = nullptr);
  ~FbDatabase() override;

  void setDatabaseName(const QString& name) { name_ = name; }
  const QString& databaseName() const { return name_; }
  // "user_name=...", "password=..." (the other keys are ignored).
  void setParams(const QStringList& params) { params_ = params; }
  const QStringList& params() const { return params_; }
  void setSqlDialect(int dialect) { dialect_ = dialect; }
  int sqlDialect() const { return dialect_; }
  void setLoginPrompt(bool prompt) { loginPrompt_ = prompt; }
  // Extra per-connection configuration (firebird.conf syntax), e.g.
  // "Providers=Engine12" to insist on the embedded engine.
  void setConfig(const QString& config) { config_ = config; }
  // Code page of the texts stored in this database.
  void setCodePage(int cp) { codePage_ = cp; }
  int codePage() const { return codePage_; }

  void setDefaultTransaction(FbTransaction* t) { defaultTransaction_ = t; }
  FbTransaction* defaultTransaction() const { return defaultTransaction_; }

  // Connects; raises FbError with the database's message when it cannot.
  void open();
  // Ends every transaction on this connection by its default action,
  // then detaches. Never raises.
  void close();
  bool connected() const { return attachment_ != nullptr; }

  // Creates the database file named by databaseName() with the given page
  // size and leaves it connected.
  void createDatabase(int pageSize = 8192);

  // Runs a statement that needs no parameters and returns no rows outside
  // any dataset (DDL, SET GENERATOR ...), in its own transaction.
  void executeImmediate(const QByteArray& sql);

  Firebird::IAttachment* attachment() const { return attachment_; }
  QString userName() const;
  QString password() const;

 signals:
  void connectionChanged(bool connected);

 private:
  friend class FbTransaction;
  void attachTransaction(FbTransaction* t);
  void detachTransaction(FbTransaction* t);
  void attach(bool create, int pageSize);
  QString paramValue(const QString& key) const;

  QString name_;
  QStringList params_;
  QString config_;
  int dialect_ = 3;
  bool loginPrompt_ = false;
  int codePage_ = 1252;
  FbTransaction* defaultTransaction_ = nullptr;
  QList<FbTransaction*> transactions_;
  Firebird::IAttachment* attachment_ = nullptr;
};

}  // namespace sono::fb
