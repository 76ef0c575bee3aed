#pragma once
// Pieces of a Firebird connection string ("server:path" or a local path).

#include <QString>

namespace sono::data {

// The text before the first colon ("srv:C:\db.fdb" -> "srv"); empty
// without a colon.
inline QString serverPart(const QString& connection) {
  const qsizetype colon = connection.indexOf(':');
  return colon < 0 ? QString() : connection.left(colon);
}

}  // namespace sono::data
