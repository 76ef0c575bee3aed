#pragma once
// Small pieces of SQL lexing shared by the parameter and script parsers.

#include <QByteArray>
#include <QRegularExpression>
#include <QString>

namespace sono::fb {

// Index just past the quoted text (literal or identifier) that opens at
// `start` with the quote character found there; a doubled quote stays
// inside. An unterminated quote runs to the end of the text.
inline qsizetype endOfQuoted(const QByteArray& sql, qsizetype start) {
  const char q = sql[start];
  const qsizetype n = sql.size();
  qsizetype j = start + 1;
  while (j < n) {
    if (sql[j] == q) {
      if (j + 1 < n && sql[j + 1] == q) {
        j += 2;
        continue;
      }
      return j + 1;
    }
    ++j;
  }
  return n;
}

// A name that may be put into a statement as it is (table, generator,
// procedure): letters, digits, '_' and '$', starting with a letter.
inline bool isPlainIdentifier(const QString& name) {
  static const QRegularExpression ident(QStringLiteral("^[A-Za-z][A-Za-z0-9_$]*$"));
  return ident.match(name).hasMatch();
}

}  // namespace sono::fb
