#include "platform/firebird/FbApi.h"

#include <firebird/Interface.h>
#include <ibase.h>

namespace sono::fb::api {

Firebird::IMaster* master() {
  static Firebird::IMaster* m = Firebird::fb_get_master_interface();
  return m;
}

Firebird::IUtil* util() { return master()->getUtilInterface(); }

QString formatStatus(const Firebird::IStatus* status) {
  char buffer[2048];
  const unsigned n = util()->formatStatus(buffer, sizeof buffer - 1, const_cast<Firebird::IStatus*>(status));
  buffer[n < sizeof buffer ? n : sizeof buffer - 1] = '\0';
  // The library's texts are plain ASCII or the server's own code page; keep
  // accents readable either way.
  return QString::fromLocal8Bit(buffer).trimmed();
}

int sqlCodeOf(const Firebird::IStatus* status) {
  return static_cast<int>(isc_sqlcode(status->getErrors()));
}

}  // namespace sono::fb::api
