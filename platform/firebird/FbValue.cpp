#include "platform/firebird/FbValue.h"

namespace sono::fb {

std::int64_t FbValue::toInteger() const {
  if (const auto* i = std::get_if<std::int64_t>(&v_)) return *i;
  if (const auto* b = std::get_if<QByteArray>(&v_)) {
    bool ok = false;
    const QByteArray t = b->trimmed();
    const qlonglong n = t.toLongLong(&ok);
    if (ok) return n;
    // Dialect 1 gives some integer expressions back as floating point.
    const double d = t.toDouble(&ok);
    return ok && d > -9.2e18 && d < 9.2e18 ? static_cast<std::int64_t>(d < 0 ? d - 0.5 : d + 0.5) : 0;
  }
  return 0;
}

QByteArray FbValue::toBytes() const {
  if (const auto* b = std::get_if<QByteArray>(&v_)) return *b;
  if (const auto* i = std::get_if<std::int64_t>(&v_)) return QByteArray::number(static_cast<qlonglong>(*i));
  return {};
}

}  // namespace sono::fb
