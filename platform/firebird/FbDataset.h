#pragma once
// A dataset over one select statement: all rows fetched into memory, a
// current row, the states browse/edit/insert, and row statements that write
// changes back. With cached updates a posted or deleted row waits until
// applyUpdates(); without, the row statement runs at post/delete.
//
// Event handlers run on the calling thread inside the operation that
// triggers them; an exception a handler raises reaches the caller of that
// operation (a post whose after-post handler fails has still posted).

#include "platform/firebird/FbStatement.h"
#include "platform/firebird/FbValue.h"

#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

namespace sono::fb {

class FbDatabase;
class FbTransaction;
class FbDataset;
class FbDataSource;

enum class DatasetState { Inactive, Browse, Edit, Insert };

// Row statements of a dataset; parameters are named after the columns, and
// OLD_<column> is the value the row had when it was read.
struct FbUpdateSql {
  QByteArray refreshSql;
  QByteArray modifySql;
  QByteArray insertSql;
  QByteArray deleteSql;
};

// A key drawn from a generator the moment a new row is started.
struct FbGeneratorField {
  QString field;
  QString generator;
  int increment = 1;
};

// A column of the current row (or of the edit buffer while editing).
class FbField {
 public:
  FbField(FbDataset* ds, int index) : ds_(ds), index_(index) {}

  const QString& name() const;
  bool required() const;
  bool isInteger() const;

  FbValue value() const;
  bool isNull() const { return value().isNull(); }
  int asInteger() const;     // null reads 0
  QByteArray asBytes() const;
  QString asString() const;  // through the database's code page
  bool isEmptyText() const { return asBytes().isEmpty(); }

  void setValue(const FbValue& v);
  void setInteger(int v) { setValue(FbValue(v)); }
  void setBytes(const QByteArray& v) { setValue(FbValue(v)); }
  void setString(const QString& v);  // an empty text stores null
  void clear() { setValue(FbValue()); }

 private:
  FbDataset* ds_;
  int index_;
};

class FbDataset : public QObject {
  Q_OBJECT
 public:
  using Handler = std::function<void(FbDataset&)>;

  explicit FbDataset(QObject* parent = nullptr);
  ~FbDataset() override;

  // --- binding -----------------------------------------------------------
  void setDatabase(FbDatabase* db);
  FbDatabase* database() const { return db_; }
  void setTransaction(FbTransaction* t) { tra_ = t; }
  FbTransaction* transaction() const;  // the own one, else the database's default
  void setSql(const QByteArray& sql) { sql_ = sql; }
  void setSql(const QStringList& lines);
  const QByteArray& sql() const { return sql_; }
  void setParam(const QString& name, const FbValue& v);
  FbValue param(const QString& name) const;
  // Master–detail: parameters named like a field of the master's current row
  // take its value, and the dataset re-opens whenever the master moves.
  void setDataSource(FbDataSource* master);
  FbDataSource* dataSource() const { return master_; }
  void setCachedUpdates(bool on) { cached_ = on; }
  bool cachedUpdates() const { return cached_; }
  void setUpdateSql(const FbUpdateSql& u) { update_ = u; }
  const FbUpdateSql& updateSql() const { return update_; }
  void setGeneratorField(const FbGeneratorField& g) { generator_ = g; }
  void setCodePage(int cp) { codePage_ = cp; }
  int codePage() const;

  // --- life --------------------------------------------------------------
  void open();
  void close();
  bool active() const { return state_ != DatasetState::Inactive; }
  void setActive(bool on) { on ? open() : close(); }
  // All rows are read at open; kept so callers read as the system does.
  void fetchAll() {}
  // Re-reads the current row through the refresh statement.
  void refreshRecord();

  // --- navigation --------------------------------------------------------
  void first();
  void last();
  void next();
  void prior();
  void moveBy(int n);
  bool eof() const { return eof_; }
  bool bof() const { return bof_; }
  bool isEmpty() const { return rows_.isEmpty(); }
  int recordCount() const { return static_cast<int>(rows_.size()); }
  int recNo() const { return rows_.isEmpty() ? 0 : current_ + 1; }  // 1-based
  void setRecNo(int n);
  bool locate(const QString& field, const FbValue& value);

  // --- editing -----------------------------------------------------------
  DatasetState state() const { return state_; }
  void append();
  void insert();
  void edit();
  void post();
  void cancel();
  void deleteRecord();
  // Cached updates: writes every pending change with the row statements, as
  // one unit (a failure undoes the partial work and leaves all pending).
  void applyUpdates();
  void cancelUpdates();
  bool updatesPending() const;

  // --- fields ------------------------------------------------------------
  int fieldCount() const { return static_cast<int>(columns_.size()); }
  QStringList fieldNames() const;
  int fieldIndex(const QString& name) const;  // -1 when absent
  FbField fieldByName(const QString& name);   // raises FbError when absent
  FbField field(int i) { return FbField(this, i); }
  const FbColumn& column(int i) const { return columns_[i]; }

  Handler beforePost;
  Handler afterPost;
  Handler afterInsert;  // after the generator key is drawn
  Handler afterDelete;
  Handler afterCancel;
  Handler afterScroll;
  Handler afterOpen;

 signals:
  void stateChanged();
  void dataChanged();  // values of the current row changed
  void scrolled();     // the current row moved (or the dataset opened/closed)

 private:
  friend class FbField;
  enum class RowStatus { Unmodified, Modified, Inserted };
  struct Rec {
    FbRow values;
    FbRow old;
    RowStatus status = RowStatus::Unmodified;
  };

  void requireActive() const;
  void requireBrowse();
  void setState(DatasetState s);
  void moveTo(int index);
  void startNew(int at);
  FbValue currentValue(int i) const;
  void setCurrentValue(int i, const FbValue& v);
  void writeRow(const QByteArray& sql, const Rec& rec);
  void fillParamsFromMaster();
  void masterMoved();
  FbValue drawGenerator();

  FbDatabase* db_ = nullptr;
  FbTransaction* tra_ = nullptr;
  QByteArray sql_;
  QList<QPair<QString, FbValue>> params_;
  QPointer<FbDataSource> master_;
  bool cached_ = false;
  FbUpdateSql update_;
  FbGeneratorField generator_;
  int codePage_ = 0;

  DatasetState state_ = DatasetState::Inactive;
  QVector<FbColumn> columns_;
  QList<Rec> rows_;
  QList<Rec> deleted_;  // cached deletes not yet applied
  int current_ = 0;
  bool eof_ = true;
  bool bof_ = true;
  FbRow buffer_;        // edit buffer while editing or inserting
  int insertedAt_ = -1;
};

// A dataset over one whole table ("SELECT * FROM <table>").
class FbTable : public FbDataset {
  Q_OBJECT
 public:
  using FbDataset::FbDataset;
  // Raises FbError for a name that is not a plain identifier.
  void setTableName(const QString& name);
  const QString& tableName() const { return table_; }

 private:
  QString table_;
};

// Links a dataset to the controls and detail datasets that follow it.
class FbDataSource : public QObject {
  Q_OBJECT
 public:
  explicit FbDataSource(FbDataset* ds = nullptr, QObject* parent = nullptr);
  void setDataset(FbDataset* ds);
  FbDataset* dataset() const { return ds_; }

 signals:
  void stateChanged();
  void dataChanged();
  void scrolled();

 private:
  QPointer<FbDataset> ds_;
  QList<QMetaObject::Connection> links_;
};

}  // namespace sono::fb
