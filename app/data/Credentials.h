#pragma once
// How the system signs in to its databases.

#include <QStringList>

namespace sono::data {

inline QStringList connectionParams() {
  return {QStringLiteral("user_name=SYSDBA"), QStringLiteral("password=bluefinch")};
}
constexpr int kSqlDialect = 1;

}  // namespace sono::data
