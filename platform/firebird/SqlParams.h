#pragma once
// Named parameters (":NAME") in SQL text. The client library only knows
// positional markers, so the text is rewritten with '?' and the names are
// kept in order. String literals, quoted identifiers and comments are left
// alone; "::" is not a parameter.

#include <QByteArray>
#include <QStringList>

namespace sono::fb {

struct ParsedSql {
  QByteArray sql;     // the text with every parameter replaced by '?'
  QStringList names;  // one entry per marker, upper case, in order (a name may repeat)
};

ParsedSql parseNamedParams(const QByteArray& sql);

}  // namespace sono::fb
