#include "platform/firebird/FbDataset.h"

#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/text/CodePage.h"

#include "platform/firebird/SqlLexing.h"

#include <algorithm>

namespace sono::fb {

namespace {

bool sameValue(const FbValue& a, const FbValue& b) {
  if (a.isNull() || b.isNull()) return a.isNull() && b.isNull();
  if (a.isInteger() || b.isInteger()) return a.toInteger() == b.toInteger();
  return a.toBytes() == b.toBytes();
}

FbRow nullRow(int n) { return FbRow(n); }

}  // namespace

// ---------------------------------------------------------------- FbField

const QString& FbField::name() const { return ds_->columns_[index_].name; }
bool FbField::required() const { return !ds_->columns_[index_].nullable; }
bool FbField::isInteger() const { return ds_->columns_[index_].isInteger(); }
FbValue FbField::value() const { return ds_->currentValue(index_); }
int FbField::asInteger() const { return static_cast<int>(value().toInteger()); }
QByteArray FbField::asBytes() const { return value().toBytes(); }
QString FbField::asString() const { return text::fromAnsi(asBytes(), ds_->codePage()); }

void FbField::setValue(const FbValue& v) {
  FbValue stored = v;
  if (isInteger() && v.isBytes()) {
    const QByteArray t = v.toBytes().trimmed();
    if (t.isEmpty()) {
      stored = FbValue();
    } else {
      bool ok = false;
      const qlonglong n = t.toLongLong(&ok);
      if (!ok) throw FbError(QStringLiteral("'%1' is not a valid integer value").arg(QString::fromLatin1(t)));
      stored = FbValue(static_cast<std::int64_t>(n));
    }
  } else if (!isInteger() && v.isInteger()) {
    stored = FbValue(v.toBytes());
  }
  ds_->setCurrentValue(index_, stored);
}

void FbField::setString(const QString& v) {
  if (v.isEmpty())
    clear();
  else
    setValue(FbValue(text::toAnsi(v, ds_->codePage())));
}

// -------------------------------------------------------------- FbDataset

FbDataset::FbDataset(QObject* parent) : QObject(parent) {}
FbDataset::~FbDataset() = default;

void FbDataset::setDatabase(FbDatabase* db) {
  if (db_ == db) return;
  if (active()) close();
  db_ = db;
}

FbTransaction* FbDataset::transaction() const {
  if (tra_) return tra_;
  return db_ ? db_->defaultTransaction() : nullptr;
}

void FbDataset::setSql(const QStringList& lines) { sql_ = lines.join('\n').toUtf8(); }

void FbDataset::setParam(const QString& name, const FbValue& v) {
  for (auto& p : params_) {
    if (p.first.compare(name, Qt::CaseInsensitive) == 0) {
      p.second = v;
      return;
    }
  }
  params_.append({name.toUpper(), v});
}

FbValue FbDataset::param(const QString& name) const {
  for (const auto& p : params_)
    if (p.first.compare(name, Qt::CaseInsensitive) == 0) return p.second;
  return {};
}

int FbDataset::codePage() const {
  if (codePage_ > 0) return codePage_;
  return db_ ? db_->codePage() : text::kDefaultCodePage;
}

void FbDataset::setDataSource(FbDataSource* master) {
  if (master_) disconnect(master_, nullptr, this, nullptr);
  master_ = master;
  if (master_) {
    connect(master_, &FbDataSource::scrolled, this, &FbDataset::masterMoved);
  }
}

void FbDataset::masterMoved() {
  if (!active()) return;
  close();
  open();
}

void FbDataset::fillParamsFromMaster() {
  if (!master_ || !master_->dataset()) return;
  const FbDataset* m = master_->dataset();
  for (auto& p : params_) {
    const int idx = m->fieldIndex(p.first);
    if (idx >= 0) p.second = m->currentValue(idx);
  }
}

void FbDataset::open() {
  if (active()) return;
  if (!db_) throw FbError(QStringLiteral("Database not assigned"));
  FbTransaction* t = transaction();
  if (!t) throw FbError(QStringLiteral("Transaction not assigned"));
  if (!db_->connected()) db_->open();
  FbStatement st(*db_, *t, sql_);
  // Parameters the statement names but nobody set are null; a master
  // supplies those named like its fields.
  for (const QString& n : st.paramNames()) {
    const bool known = std::any_of(params_.cbegin(), params_.cend(),
                                   [&](const auto& p) { return p.first.compare(n, Qt::CaseInsensitive) == 0; });
    if (!known) setParam(n, FbValue());
  }
  fillParamsFromMaster();
  for (const auto& p : params_)
    if (st.hasParam(p.first)) st.setParam(p.first, p.second);
  st.execute();
  columns_ = st.columns();
  rows_.clear();
  deleted_.clear();
  for (const FbRow& r : st.rows()) rows_.append(Rec{r, r, RowStatus::Unmodified});
  current_ = 0;
  bof_ = true;
  eof_ = rows_.isEmpty();
  setState(DatasetState::Browse);
  emit scrolled();
  if (afterOpen) afterOpen(*this);
}

void FbDataset::close() {
  if (!active()) return;
  rows_.clear();
  deleted_.clear();
  buffer_.clear();
  insertedAt_ = -1;
  current_ = 0;
  bof_ = eof_ = true;
  setState(DatasetState::Inactive);
  emit scrolled();
}

void FbDataset::refreshRecord() {
  requireActive();
  if (rows_.isEmpty() || update_.refreshSql.isEmpty()) return;
  FbStatement st(*db_, *transaction(), update_.refreshSql);
  Rec& r = rows_[current_];
  for (const QString& n : st.paramNames()) {
    const bool old = n.startsWith(QLatin1String("OLD_"));
    const int idx = fieldIndex(old ? n.mid(4) : n);
    if (idx < 0) throw FbError(QStringLiteral("Field %1 not found").arg(n));
    st.setParam(n, old ? r.old[idx] : r.values[idx]);
  }
  st.execute();
  if (st.rows().isEmpty()) return;
  const FbRow& fresh = st.rows().first();
  for (int i = 0; i < st.columns().size(); ++i) {
    const int idx = fieldIndex(st.columns()[i].name);
    if (idx >= 0) {
      r.values[idx] = fresh[i];
      if (r.status == RowStatus::Unmodified) r.old[idx] = fresh[i];
    }
  }
  emit dataChanged();
}

// ------------------------------------------------------------- navigation

void FbDataset::requireActive() const {
  if (!active()) throw FbError(QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void FbDataset::requireBrowse() {
  requireActive();
  if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) post();
}

void FbDataset::moveTo(int index) {
  current_ = rows_.isEmpty() ? 0 : qBound(0, index, static_cast<int>(rows_.size()) - 1);
  emit scrolled();
  if (afterScroll) afterScroll(*this);
}

void FbDataset::first() {
  requireBrowse();
  moveTo(0);
  bof_ = true;
  eof_ = rows_.isEmpty();
}

void FbDataset::last() {
  requireBrowse();
  moveTo(static_cast<int>(rows_.size()) - 1);
  eof_ = true;
  bof_ = rows_.isEmpty();
}

void FbDataset::next() { moveBy(1); }
void FbDataset::prior() { moveBy(-1); }

void FbDataset::moveBy(int n) {
  requireBrowse();
  if (n == 0) return;
  const int target = current_ + n;
  const int count = static_cast<int>(rows_.size());
  eof_ = bof_ = false;
  if (count == 0) {
    eof_ = bof_ = true;
    return;
  }
  if (target >= count) eof_ = true;
  if (target < 0) bof_ = true;
  const int clamped = qBound(0, target, count - 1);
  if (clamped != current_) moveTo(clamped);
}

void FbDataset::setRecNo(int n) {
  requireBrowse();
  if (n < 1 || n > rows_.size()) return;
  moveTo(n - 1);
  bof_ = eof_ = false;
}

bool FbDataset::locate(const QString& field, const FbValue& value) {
  requireBrowse();
  const int idx = fieldIndex(field);
  if (idx < 0) throw FbError(QStringLiteral("Field '%1' not found").arg(field));
  for (int i = 0; i < rows_.size(); ++i) {
    if (sameValue(rows_[i].values[idx], value)) {
      moveTo(i);
      bof_ = eof_ = false;
      return true;
    }
  }
  return false;
}

// ---------------------------------------------------------------- editing

void FbDataset::setState(DatasetState s) {
  if (state_ == s) return;
  state_ = s;
  emit stateChanged();
}

FbValue FbDataset::currentValue(int i) const {
  if (i < 0 || i >= columns_.size()) return {};
  if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) return buffer_[i];
  if (!active() || rows_.isEmpty()) return {};
  return rows_[current_].values[i];
}

void FbDataset::setCurrentValue(int i, const FbValue& v) {
  if (state_ != DatasetState::Edit && state_ != DatasetState::Insert)
    throw FbError(QStringLiteral("Dataset not in edit or insert mode"));
  buffer_[i] = v;
  emit dataChanged();
}

FbValue FbDataset::drawGenerator() {
  if (!isPlainIdentifier(generator_.generator))
    throw FbError(QStringLiteral("Invalid generator name: %1").arg(generator_.generator));
  const QByteArray sql = "SELECT GEN_ID(" + generator_.generator.toLatin1() + ", " +
                         QByteArray::number(generator_.increment) + ") FROM RDB$DATABASE";
  FbStatement st(*db_, *transaction(), sql);
  st.execute();
  if (st.rows().isEmpty()) throw FbError(QStringLiteral("Generator %1 returned no value").arg(generator_.generator));
  return st.rows().first().value(0);
}

void FbDataset::startNew(int at) {
  requireBrowse();
  const int n = fieldCount();
  rows_.insert(at, Rec{nullRow(n), nullRow(n), RowStatus::Inserted});
  current_ = at;
  insertedAt_ = at;
  buffer_ = nullRow(n);
  bof_ = eof_ = false;
  setState(DatasetState::Insert);
  emit scrolled();
  if (!generator_.field.isEmpty()) {
    const int idx = fieldIndex(generator_.field);
    if (idx >= 0) {
      try {
        buffer_[idx] = drawGenerator();
      } catch (...) {
        cancel();
        throw;
      }
    }
  }
  emit dataChanged();
  if (afterInsert) afterInsert(*this);
}

void FbDataset::append() {
  requireBrowse();
  startNew(static_cast<int>(rows_.size()));
}

void FbDataset::insert() {
  requireBrowse();
  startNew(rows_.isEmpty() ? 0 : current_);
}

void FbDataset::edit() {
  requireActive();
  if (state_ == DatasetState::Edit || state_ == DatasetState::Insert) return;
  if (rows_.isEmpty()) {
    append();
    return;
  }
  buffer_ = rows_[current_].values;
  setState(DatasetState::Edit);
}

void FbDataset::post() {
  if (state_ != DatasetState::Edit && state_ != DatasetState::Insert) return;
  if (beforePost) beforePost(*this);
  for (int i = 0; i < columns_.size(); ++i) {
    if (!columns_[i].nullable && buffer_[i].isNull())
      throw FbError(QStringLiteral("Field '%1' must have a value").arg(columns_[i].name));
  }
  Rec& r = rows_[current_];
  const bool inserting = state_ == DatasetState::Insert;
  if (!cached_) {
    // Written now; on failure the row stays in its editing state.
    Rec pending{buffer_, r.old, inserting ? RowStatus::Inserted : RowStatus::Modified};
    writeRow(inserting ? update_.insertSql : update_.modifySql, pending);
    r.values = buffer_;
    r.old = buffer_;
    r.status = RowStatus::Unmodified;
  } else {
    r.values = buffer_;
    if (inserting)
      r.status = RowStatus::Inserted;
    else if (r.status == RowStatus::Unmodified)
      r.status = RowStatus::Modified;
  }
  buffer_.clear();
  insertedAt_ = -1;
  setState(DatasetState::Browse);
  emit dataChanged();
  if (afterPost) afterPost(*this);
}

void FbDataset::cancel() {
  if (state_ != DatasetState::Edit && state_ != DatasetState::Insert) return;
  if (state_ == DatasetState::Insert && insertedAt_ >= 0 && insertedAt_ < rows_.size()) {
    rows_.removeAt(insertedAt_);
    current_ = rows_.isEmpty() ? 0 : qMin(current_, static_cast<int>(rows_.size()) - 1);
    eof_ = bof_ = rows_.isEmpty();
  }
  buffer_.clear();
  insertedAt_ = -1;
  setState(DatasetState::Browse);
  emit scrolled();
  if (afterCancel) afterCancel(*this);
}

void FbDataset::deleteRecord() {
  requireActive();
  if (state_ == DatasetState::Insert) {
    cancel();
    return;
  }
  if (rows_.isEmpty()) throw FbError(QStringLiteral("Cannot perform this operation on an empty dataset"));
  if (state_ == DatasetState::Edit) {
    buffer_.clear();
    setState(DatasetState::Browse);
  }
  Rec r = rows_[current_];
  if (!cached_) {
    writeRow(update_.deleteSql, r);
  } else if (r.status != RowStatus::Inserted) {
    deleted_.append(r);
  }
  rows_.removeAt(current_);
  current_ = rows_.isEmpty() ? 0 : qMin(current_, static_cast<int>(rows_.size()) - 1);
  eof_ = rows_.isEmpty();
  bof_ = rows_.isEmpty();
  emit scrolled();
  if (afterDelete) afterDelete(*this);
}

void FbDataset::writeRow(const QByteArray& sql, const Rec& rec) {
  if (sql.isEmpty()) throw FbError(QStringLiteral("Dataset has no statement for this change"));
  FbStatement st(*db_, *transaction(), sql);
  for (const QString& n : st.paramNames()) {
    const bool old = n.startsWith(QLatin1String("OLD_")) && fieldIndex(n) < 0;
    const int idx = fieldIndex(old ? n.mid(4) : n);
    if (idx < 0) throw FbError(QStringLiteral("Field %1 not found").arg(n));
    st.setParam(n, old ? rec.old[idx] : rec.values[idx]);
  }
  st.execute();
}

bool FbDataset::updatesPending() const {
  if (!deleted_.isEmpty()) return true;
  for (const Rec& r : rows_) {
    if (r.status != RowStatus::Unmodified) return true;
  }
  return false;
}

void FbDataset::applyUpdates() {
  requireBrowse();
  if (!updatesPending()) return;
  FbTransaction* t = transaction();
  auto run = [&](const QByteArray& sql) {
    FbStatement st(*db_, *t, sql);
    st.execute();
  };
  // One unit: the transaction may hold other work, so a savepoint undoes
  // only what this call wrote.
  run("SAVEPOINT SONO_APPLY_UPDATES");
  try {
    for (const Rec& r : deleted_) writeRow(update_.deleteSql, r);
    for (const Rec& r : rows_) {
      if (r.status == RowStatus::Modified) writeRow(update_.modifySql, r);
      if (r.status == RowStatus::Inserted) writeRow(update_.insertSql, r);
    }
  } catch (...) {
    try {
      run("ROLLBACK TO SAVEPOINT SONO_APPLY_UPDATES");
    } catch (const FbError&) {
      // The transaction itself is broken; the caller sees the first error.
    }
    throw;
  }
  run("RELEASE SAVEPOINT SONO_APPLY_UPDATES ONLY");
  deleted_.clear();
  for (Rec& r : rows_) {
    r.old = r.values;
    r.status = RowStatus::Unmodified;
  }
}

void FbDataset::cancelUpdates() {
  requireActive();
  cancel();
  deleted_.clear();
  for (int i = static_cast<int>(rows_.size()) - 1; i >= 0; --i) {
    if (rows_[i].status == RowStatus::Inserted)
      rows_.removeAt(i);
    else
      rows_[i].values = rows_[i].old, rows_[i].status = RowStatus::Unmodified;
  }
  current_ = rows_.isEmpty() ? 0 : qMin(current_, static_cast<int>(rows_.size()) - 1);
  emit scrolled();
}

// ----------------------------------------------------------------- fields

QStringList FbDataset::fieldNames() const {
  QStringList out;
  for (const FbColumn& c : columns_) out << c.name;
  return out;
}

int FbDataset::fieldIndex(const QString& name) const {
  for (int i = 0; i < columns_.size(); ++i)
    if (columns_[i].name.compare(name, Qt::CaseInsensitive) == 0) return i;
  return -1;
}

FbField FbDataset::fieldByName(const QString& name) {
  const int idx = fieldIndex(name);
  if (idx < 0) throw FbError(QStringLiteral("Field '%1' not found").arg(name));
  return FbField(this, idx);
}

// ---------------------------------------------------------------- FbTable

void FbTable::setTableName(const QString& name) {
  if (!isPlainIdentifier(name)) throw FbError(QStringLiteral("Invalid table name: %1").arg(name));
  if (active()) close();
  table_ = name;
  setSql("SELECT * FROM " + name.toUpper().toLatin1());
}

// ----------------------------------------------------------- FbDataSource

FbDataSource::FbDataSource(FbDataset* ds, QObject* parent) : QObject(parent) { setDataset(ds); }

void FbDataSource::setDataset(FbDataset* ds) {
  for (const auto& c : links_) disconnect(c);
  links_.clear();
  ds_ = ds;
  if (!ds) return;
  links_ << connect(ds, &FbDataset::stateChanged, this, &FbDataSource::stateChanged)
         << connect(ds, &FbDataset::dataChanged, this, &FbDataSource::dataChanged)
         << connect(ds, &FbDataset::scrolled, this, &FbDataSource::scrolled);
}

}  // namespace sono::fb
