#include "i18n/StringLoader.h"

namespace sono::i18n {
namespace {
// A plain pointer: it needs no destruction at exit, whatever order the
// statics of other files go in.
const TProc* g_installed = nullptr;
}  // namespace

TProc::TProc(Loader loader) : loader_(std::move(loader)) { g_installed = this; }

TProc::~TProc() {
  if (g_installed == this) g_installed = nullptr;
}

const TProc* TProc::installed() { return g_installed; }

}  // namespace sono::i18n
