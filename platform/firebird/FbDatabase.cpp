#include "platform/firebird/FbDatabase.h"

#include "platform/firebird/FbApi.h"
#include "platform/firebird/FbTransaction.h"

#include <ibase.h>

namespace sono::fb {

using namespace Firebird;

FbDatabase::FbDatabase(QObject* parent) : QObject(parent) {}

FbDatabase::~FbDatabase() {
  close();
  for (FbTransaction* t : transactions_) t->setDefaultDatabase(nullptr);
}

QString FbDatabase::paramValue(const QString& key) const {
  for (const QString& p : params_) {
    const qsizetype eq = p.indexOf('=');
    if (eq > 0 && p.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0) return p.mid(eq + 1);
  }
  return {};
}

QString FbDatabase::userName() const { return paramValue(QStringLiteral("user_name")); }
QString FbDatabase::password() const { return paramValue(QStringLiteral("password")); }

void FbDatabase::attach(bool create, int pageSize) {
  if (attachment_) return;
  if (name_.isEmpty()) throw FbError(QStringLiteral("Database name is missing"));
  const QByteArray file = name_.toUtf8();
  const QByteArray user = userName().toUtf8();
  const QByteArray pass = password().toUtf8();
  const QByteArray config = config_.toUtf8();
  attachment_ = api::call([&](ThrowStatusWrapper* st) {
    api::Ref<IXpbBuilder> dpb(api::util()->getXpbBuilder(st, IXpbBuilder::DPB, nullptr, 0));
    dpb->insertTag(st, isc_dpb_utf8_filename);
    if (!user.isEmpty()) dpb->insertString(st, isc_dpb_user_name, user.constData());
    if (!pass.isEmpty()) dpb->insertString(st, isc_dpb_password, pass.constData());
    dpb->insertInt(st, isc_dpb_sql_dialect, dialect_);
    if (!config.isEmpty()) dpb->insertString(st, isc_dpb_config, config.constData());
    if (create) dpb->insertInt(st, isc_dpb_page_size, pageSize);
    IProvider* provider = api::master()->getDispatcher();
    struct ProviderRelease {
      IProvider* p;
      ~ProviderRelease() { p->release(); }
    } release{provider};
    const unsigned len = dpb->getBufferLength(st);
    const unsigned char* buf = dpb->getBuffer(st);
    return create ? provider->createDatabase(st, file.constData(), len, buf)
                  : provider->attachDatabase(st, file.constData(), len, buf);
  });
  emit connectionChanged(true);
}

void FbDatabase::open() { attach(false, 0); }

void FbDatabase::createDatabase(int pageSize) { attach(true, pageSize); }

void FbDatabase::close() {
  if (!attachment_) return;
  for (FbTransaction* t : transactions_) t->endByDefaultAction();
  try {
    api::call([&](ThrowStatusWrapper* st) { attachment_->detach(st); });
  } catch (const FbError&) {
    // The connection may already be gone (server stopped): drop the handle.
    attachment_->release();
  }
  attachment_ = nullptr;
  emit connectionChanged(false);
}

void FbDatabase::executeImmediate(const QByteArray& sql) {
  if (!attachment_) open();
  api::call([&](ThrowStatusWrapper* st) {
    ITransaction* tra = attachment_->startTransaction(st, 0, nullptr);
    try {
      attachment_->execute(st, tra, 0, sql.constData(), static_cast<unsigned>(dialect_), nullptr, nullptr, nullptr,
                           nullptr);
      tra->commit(st);
    } catch (...) {
      Firebird::CheckStatusWrapper quiet(api::master()->getStatus());
      tra->rollback(&quiet);
      quiet.dispose();
      throw;
    }
  });
}

void FbDatabase::attachTransaction(FbTransaction* t) {
  if (!transactions_.contains(t)) transactions_.append(t);
}

void FbDatabase::detachTransaction(FbTransaction* t) { transactions_.removeAll(t); }

}  // namespace sono::fb
