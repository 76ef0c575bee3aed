#include "platform/firebird/SqlParams.h"

#include "platform/firebird/SqlLexing.h"

namespace sono::fb {
namespace {

bool isNameStart(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; }
bool isNameChar(char c) { return isNameStart(c) || (c >= '0' && c <= '9') || c == '$'; }

}  // namespace

ParsedSql parseNamedParams(const QByteArray& sql) {
  ParsedSql out;
  out.sql.reserve(sql.size());
  const qsizetype n = sql.size();
  qsizetype i = 0;
  while (i < n) {
    const char c = sql[i];
    if (c == '\'' || c == '"') {
      const qsizetype end = endOfQuoted(sql, i);
      out.sql.append(sql.constData() + i, end - i);
      i = end;
    } else if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      qsizetype j = sql.indexOf('\n', i);
      if (j < 0) j = n;
      out.sql.append(sql.constData() + i, j - i);
      i = j;
    } else if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      qsizetype j = sql.indexOf("*/", i + 2);
      j = j < 0 ? n : j + 2;
      out.sql.append(sql.constData() + i, j - i);
      i = j;
    } else if (c == ':' && i + 1 < n && sql[i + 1] == ':') {
      out.sql.append("::");
      i += 2;
    } else if (c == ':' && i + 1 < n && (isNameStart(sql[i + 1]) || sql[i + 1] == '"')) {
      qsizetype j = i + 1;
      QByteArray name;
      if (sql[j] == '"') {
        const qsizetype close = sql.indexOf('"', j + 1);
        if (close < 0) {  // unterminated: leave the text as it is
          out.sql.append(sql.constData() + i, n - i);
          break;
        }
        name = sql.mid(j + 1, close - j - 1);
        j = close + 1;
      } else {
        while (j < n && isNameChar(sql[j])) ++j;
        name = sql.mid(i + 1, j - i - 1).toUpper();
      }
      out.names << QString::fromLatin1(name);
      out.sql.append('?');
      i = j;
    } else {
      out.sql.append(c);
      ++i;
    }
  }
  return out;
}

}  // namespace sono::fb
