#include "platform/firebird/FbTransaction.h"

#include "platform/firebird/FbApi.h"
#include "platform/firebird/FbDatabase.h"

#include <ibase.h>

namespace sono::fb {

using namespace Firebird;

namespace {

struct TpbWord {
  const char* word;
  unsigned char tag;
};
constexpr TpbWord kTpbWords[] = {
    {"read_committed", isc_tpb_read_committed}, {"rec_version", isc_tpb_rec_version},
    {"no_rec_version", isc_tpb_no_rec_version}, {"nowait", isc_tpb_nowait},
    {"wait", isc_tpb_wait},                     {"concurrency", isc_tpb_concurrency},
    {"consistency", isc_tpb_consistency},       {"read", isc_tpb_read},
    {"write", isc_tpb_write},
};

}  // namespace

FbTransaction::FbTransaction(QObject* parent) : QObject(parent) {}

FbTransaction::~FbTransaction() {
  endByDefaultAction();
  if (db_) db_->detachTransaction(this);
}

void FbTransaction::setDefaultDatabase(FbDatabase* db) {
  if (db_ == db) return;
  if (db_) {
    endByDefaultAction();
    db_->detachTransaction(this);
  }
  db_ = db;
  if (db_) db_->attachTransaction(this);
}

void FbTransaction::start() {
  if (handle_) throw FbError(QStringLiteral("Transaction is active"));
  if (!db_) throw FbError(QStringLiteral("Transaction has no database"));
  if (!db_->connected()) db_->open();
  QList<unsigned char> tags;
  bool access = false;
  for (const QString& p : params_) {
    const QByteArray w = p.trimmed().toLower().toLatin1();
    if (w.isEmpty()) continue;
    bool found = false;
    for (const auto& t : kTpbWords) {
      if (w == t.word) {
        tags.append(t.tag);
        access = access || t.tag == isc_tpb_read || t.tag == isc_tpb_write;
        found = true;
      }
    }
    if (!found) throw FbError(QStringLiteral("Invalid transaction parameter: %1").arg(p));
  }
  if (!access) tags.append(isc_tpb_write);
  handle_ = api::call([&](ThrowStatusWrapper* st) {
    api::Ref<IXpbBuilder> tpb(api::util()->getXpbBuilder(st, IXpbBuilder::TPB, nullptr, 0));
    for (unsigned char t : tags) tpb->insertTag(st, t);
    return db_->attachment()->startTransaction(st, tpb->getBufferLength(st), tpb->getBuffer(st));
  });
}

ITransaction* FbTransaction::handle() {
  if (!handle_) start();
  return handle_;
}

void FbTransaction::commit() {
  if (!handle_) return;
  api::call([&](ThrowStatusWrapper* st) { handle_->commit(st); });
  handle_ = nullptr;  // commit released the interface
}

void FbTransaction::commitRetaining() {
  if (!handle_) return;
  api::call([&](ThrowStatusWrapper* st) { handle_->commitRetaining(st); });
}

void FbTransaction::rollback() {
  if (!handle_) return;
  api::call([&](ThrowStatusWrapper* st) { handle_->rollback(st); });
  handle_ = nullptr;
}

void FbTransaction::rollbackRetaining() {
  if (!handle_) return;
  api::call([&](ThrowStatusWrapper* st) { handle_->rollbackRetaining(st); });
}

void FbTransaction::endByDefaultAction() noexcept {
  if (!handle_) return;
  try {
    if (defaultAction_ == Action::Commit)
      commit();
    else
      rollback();
  } catch (const FbError&) {
    forget();
  }
}

void FbTransaction::forget() noexcept {
  if (!handle_) return;
  CheckStatusWrapper quiet(api::master()->getStatus());
  handle_->rollback(&quiet);
  if (quiet.getState() & IStatus::STATE_ERRORS) handle_->release();
  quiet.dispose();
  handle_ = nullptr;
}

}  // namespace sono::fb
