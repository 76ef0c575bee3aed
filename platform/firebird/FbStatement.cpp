#include "platform/firebird/FbStatement.h"

#include "platform/firebird/FbApi.h"
#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/firebird/SqlParams.h"

#include <ibase.h>

#include <cstdint>
#include <cstring>

namespace sono::fb {

using namespace Firebird;

namespace {

// Text length used for column types that are converted to text by the server.
constexpr unsigned kConvertedTextLength = 64;
constexpr unsigned kCharsetNone = 0;  // CS_NONE: bytes as stored

bool fitsInt32(std::int64_t v) { return v >= INT32_MIN && v <= INT32_MAX; }

bool isIntegerType(unsigned t) { return t == SQL_SHORT || t == SQL_LONG || t == SQL_INT64; }

}  // namespace

bool FbColumn::isText() const { return sqlType == SQL_TEXT || sqlType == SQL_VARYING; }
bool FbColumn::isInteger() const { return isIntegerType(sqlType) && scale == 0; }

struct FbStatement::Impl {
  FbDatabase& db;
  FbTransaction& tra;
  ParsedSql parsed;
  api::Ref<IStatement> stmt;
  api::Ref<IMessageMetadata> inMeta;
  api::Ref<IMessageMetadata> outMeta;  // coerced
  QVector<FbValue> params;             // one per marker
  unsigned stmtType = 0;

  Impl(FbDatabase& d, FbTransaction& t) : db(d), tra(t) {}
};

FbStatement::FbStatement(FbDatabase& db, FbTransaction& tra, const QByteArray& sql, bool namedParams)
    : d_(std::make_unique<Impl>(db, tra)) {
  if (namedParams)
    d_->parsed = parseNamedParams(sql);
  else
    d_->parsed.sql = sql;
  d_->params.resize(d_->parsed.names.size());
  if (!db.connected()) db.open();
  ITransaction* t = tra.handle();
  api::call([&](ThrowStatusWrapper* st) {
    d_->stmt.reset(db.attachment()->prepare(st, t, 0, d_->parsed.sql.constData(),
                                            static_cast<unsigned>(db.sqlDialect()),
                                            IStatement::PREPARE_PREFETCH_METADATA));
    d_->stmtType = d_->stmt->getType(st);
    d_->inMeta.reset(d_->stmt->getInputMetadata(st));
    api::Ref<IMessageMetadata> out(d_->stmt->getOutputMetadata(st));
    const unsigned n = out->getCount(st);
    if (n == 0) return;
    api::Ref<IMetadataBuilder> b(out->getBuilder(st));
    columns_.resize(static_cast<int>(n));
    for (unsigned i = 0; i < n; ++i) {
      FbColumn& c = columns_[static_cast<int>(i)];
      const char* alias = out->getAlias(st, i);
      c.name = QString::fromUtf8(alias && *alias ? alias : out->getField(st, i));
      c.sqlType = out->getType(st, i) & ~1u;
      c.length = out->getLength(st, i);
      c.scale = out->getScale(st, i);
      c.nullable = out->isNullable(st, i);
      if (c.isInteger()) {
        // 32-bit stays 32-bit: a dialect 1 connection to a server refuses
        // a 64-bit integer in the message.
        b->setType(st, i, (c.sqlType == SQL_INT64 ? SQL_INT64 : SQL_LONG) + 1);
        b->setScale(st, i, 0);
      } else if (c.isText()) {
        b->setType(st, i, SQL_VARYING + 1);
      } else if (c.sqlType == SQL_BLOB || c.sqlType == SQL_ARRAY) {
        throw FbError(QStringLiteral("Column %1: blob and array columns are not supported").arg(c.name));
      } else {
        b->setType(st, i, SQL_VARYING + 1);
        b->setLength(st, i, kConvertedTextLength);
        b->setCharSet(st, i, kCharsetNone);
      }
    }
    d_->outMeta.reset(b->getMetadata(st));
  });
}

FbStatement::~FbStatement() {
  if (d_->stmt) {
    CheckStatusWrapper quiet(api::master()->getStatus());
    d_->stmt->free(&quiet);
    if (!(quiet.getState() & IStatus::STATE_ERRORS)) d_->stmt.release();
    quiet.dispose();
  }
}

QStringList FbStatement::paramNames() const {
  QStringList out;
  for (const QString& n : d_->parsed.names)
    if (!out.contains(n)) out << n;
  return out;
}

bool FbStatement::hasParam(const QString& name) const { return d_->parsed.names.contains(name.toUpper()); }

void FbStatement::setParam(const QString& name, const FbValue& value) {
  const QString key = name.toUpper();
  bool found = false;
  for (int i = 0; i < d_->parsed.names.size(); ++i) {
    if (d_->parsed.names[i] == key) {
      d_->params[i] = value;
      found = true;
    }
  }
  if (!found) throw FbError(QStringLiteral("Parameter %1 not found").arg(name));
}

bool FbStatement::isSelect() const {
  return d_->stmtType == isc_info_sql_stmt_select || d_->stmtType == isc_info_sql_stmt_select_for_upd;
}

void FbStatement::execute() {
  rows_.clear();
  rowsAffected_ = 0;
  ITransaction* t = d_->tra.handle();
  api::call([&](ThrowStatusWrapper* st) {
    // Input message: each marker as BIGINT or VARCHAR of the value's length.
    api::Ref<IMessageMetadata> in;
    QByteArray inBuf;
    const unsigned nIn = d_->inMeta->getCount(st);
    if (nIn != static_cast<unsigned>(d_->params.size()))
      throw FbError(QStringLiteral("Parameter count mismatch"));
    if (nIn > 0) {
      api::Ref<IMetadataBuilder> b(d_->inMeta->getBuilder(st));
      for (unsigned i = 0; i < nIn; ++i) {
        const FbValue& v = d_->params[static_cast<int>(i)];
        if (v.isInteger()) {
          b->setType(st, i, (fitsInt32(v.toInteger()) ? SQL_LONG : SQL_INT64) + 1);
          b->setScale(st, i, 0);
        } else {
          b->setType(st, i, SQL_VARYING + 1);
          b->setLength(st, i, static_cast<unsigned>(qMax<qsizetype>(1, v.toBytes().size())));
          b->setCharSet(st, i, kCharsetNone);
        }
      }
      in.reset(b->getMetadata(st));
      inBuf.fill('\0', static_cast<qsizetype>(in->getMessageLength(st)));
      for (unsigned i = 0; i < nIn; ++i) {
        const FbValue& v = d_->params[static_cast<int>(i)];
        char* base = inBuf.data();
        auto* nul = reinterpret_cast<short*>(base + in->getNullOffset(st, i));
        *nul = v.isNull() ? -1 : 0;
        if (v.isNull()) continue;
        char* field = base + in->getOffset(st, i);
        if (v.isInteger()) {
          const std::int64_t x = v.toInteger();
          if (fitsInt32(x)) {
            const auto x32 = static_cast<std::int32_t>(x);
            std::memcpy(field, &x32, sizeof x32);
          } else {
            std::memcpy(field, &x, sizeof x);
          }
        } else {
          const QByteArray bytes = v.toBytes();
          const auto len = static_cast<unsigned short>(bytes.size());
          std::memcpy(field, &len, sizeof len);
          std::memcpy(field + sizeof len, bytes.constData(), len);
        }
      }
    }
    if (isSelect()) {
      api::Ref<IResultSet> rs(d_->stmt->openCursor(st, t, in.get(), in ? inBuf.data() : nullptr, d_->outMeta.get(), 0));
      QByteArray buf(static_cast<qsizetype>(d_->outMeta->getMessageLength(st)), '\0');
      const unsigned nOut = d_->outMeta->getCount(st);
      QVector<unsigned> offs(static_cast<int>(nOut)), nulls(static_cast<int>(nOut));
      for (unsigned i = 0; i < nOut; ++i) {
        offs[static_cast<int>(i)] = d_->outMeta->getOffset(st, i);
        nulls[static_cast<int>(i)] = d_->outMeta->getNullOffset(st, i);
      }
      while (rs->fetchNext(st, buf.data()) == IStatus::RESULT_OK) {
        FbRow row(static_cast<int>(nOut));
        for (int i = 0; i < static_cast<int>(nOut); ++i) {
          const char* base = buf.constData();
          short nul = 0;
          std::memcpy(&nul, base + nulls[i], sizeof nul);
          if (nul) continue;
          const char* field = base + offs[i];
          if (columns_[i].isInteger()) {
            std::int64_t x = 0;
            if (columns_[i].sqlType == SQL_INT64) {
              std::memcpy(&x, field, sizeof x);
            } else {
              std::int32_t x32 = 0;
              std::memcpy(&x32, field, sizeof x32);
              x = x32;
            }
            row[i] = FbValue(x);
          } else {
            unsigned short len = 0;
            std::memcpy(&len, field, sizeof len);
            QByteArray bytes(field + sizeof len, len);
            // Fixed-length columns come padded; the system compares them trimmed.
            if (columns_[i].sqlType == SQL_TEXT || !columns_[i].isText()) {
              while (bytes.endsWith(' ')) bytes.chop(1);
            }
            row[i] = FbValue(std::move(bytes));
          }
        }
        rows_.append(std::move(row));
      }
      rs->close(st);
      rs.release();  // close released it
    } else {
      QByteArray outBuf;
      if (d_->outMeta) outBuf.fill('\0', static_cast<qsizetype>(d_->outMeta->getMessageLength(st)));
      d_->stmt->execute(st, t, in.get(), in ? inBuf.data() : nullptr, d_->outMeta.get(),
                        d_->outMeta ? outBuf.data() : nullptr);
      const unsigned char items[] = {isc_info_sql_records};
      unsigned char info[64] = {};
      d_->stmt->getInfo(st, sizeof items, items, sizeof info, info);
      // isc_info_sql_records: counts per kind (insert, update, delete, select).
      if (info[0] == isc_info_sql_records) {
        const unsigned char* p = info + 3;
        const unsigned char* end = info + sizeof info;
        while (p + 3 <= end && *p != isc_info_end) {
          const unsigned char kind = *p++;
          const int len = static_cast<int>(isc_vax_integer(reinterpret_cast<const char*>(p), 2));
          p += 2;
          if (len < 0 || p + len > end) break;
          const int count = static_cast<int>(isc_vax_integer(reinterpret_cast<const char*>(p), static_cast<short>(len)));
          if (kind == isc_info_req_insert_count || kind == isc_info_req_update_count ||
              kind == isc_info_req_delete_count)
            rowsAffected_ += count;
          p += len;
        }
      }
    }
  });
}

}  // namespace sono::fb
