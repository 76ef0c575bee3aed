#pragma once
// The string-loader redirect: while a TProc exists and is installed, every
// lookup of a built-in string in the process goes to its function instead of
// the plain loader. The current language owns one while it is current.
// Installed and removed on the UI thread only, without locking.

#include "i18n/BuiltinStrings.h"

#include <functional>

namespace sono::i18n {

class TProc {
 public:
  using Loader = std::function<QString(const TResStringRec&)>;

  // Installs itself; an earlier redirect, if any, stops being consulted.
  explicit TProc(Loader loader);
  ~TProc();  // removes itself when it is the one installed
  TProc(const TProc&) = delete;
  TProc& operator=(const TProc&) = delete;

  QString load(const TResStringRec& rec) const { return loader_(rec); }

  static const TProc* installed();

 private:
  Loader loader_;
};

}  // namespace sono::i18n
