#include "platform/firebird/ScriptParser.h"

#include "platform/firebird/SqlLexing.h"

#include <QByteArrayList>

#include <algorithm>
#include <cstring>

namespace sono::fb {
namespace {

bool isSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v'; }

// Words and quoted strings of a command, the quotes removed from strings.
struct Token {
  QByteArray text;
  bool quoted = false;
};

QList<Token> tokenize(const QByteArray& s) {
  QList<Token> out;
  qsizetype i = 0;
  const qsizetype n = s.size();
  while (i < n) {
    if (isSpace(s[i]) || s[i] == '=' || s[i] == ',') {
      ++i;
      continue;
    }
    if (s[i] == '\'' || s[i] == '"') {
      const char q = s[i];
      QByteArray t;
      qsizetype j = i + 1;
      while (j < n) {
        if (s[j] == q) {
          if (j + 1 < n && s[j + 1] == q) {
            t += q;
            j += 2;
            continue;
          }
          break;
        }
        t += s[j++];
      }
      out.append({t, true});
      i = j + 1;
      continue;
    }
    qsizetype j = i;
    while (j < n && !isSpace(s[j]) && s[j] != '=' && s[j] != ',' && s[j] != '\'' && s[j] != '"') ++j;
    out.append({s.mid(i, j - i), false});
    i = j;
  }
  return out;
}

bool word(const QList<Token>& t, int i, const char* w) {
  return i < t.size() && !t[i].quoted && t[i].text.compare(w, Qt::CaseInsensitive) == 0;
}

void readCredentials(const QList<Token>& t, int from, ScriptCommand& c) {
  for (int i = from; i + 1 < t.size(); ++i) {
    if (word(t, i, "USER")) c.user = t[i + 1].text;
    if (word(t, i, "PASSWORD")) c.password = t[i + 1].text;
    if (word(t, i, "PAGE_SIZE")) c.number = t[i + 1].text.toInt();
  }
}

ScriptCommand classify(const QByteArray& text, int line) {
  ScriptCommand c;
  c.text = text;
  c.line = line;
  const QList<Token> t = tokenize(text);
  if (word(t, 0, "SET")) {
    if (word(t, 1, "TERM") || word(t, 1, "TERMINATOR")) {
      c.kind = ScriptCommand::Kind::SetTerm;
      c.argument = t.size() > 2 ? t[2].text : QByteArray();
    } else if (word(t, 1, "SQL") && word(t, 2, "DIALECT")) {
      c.kind = ScriptCommand::Kind::SetSqlDialect;
      c.number = t.size() > 3 ? t[3].text.toInt() : 0;
    } else if (word(t, 1, "NAMES")) {
      c.kind = ScriptCommand::Kind::SetNames;
      c.argument = t.size() > 2 ? t[2].text : QByteArray();
    } else if (word(t, 1, "AUTODDL")) {
      c.kind = ScriptCommand::Kind::SetAutoDdl;
      c.flag = !word(t, 2, "OFF");
    } else if (word(t, 1, "GENERATOR") || word(t, 1, "STATISTICS") || word(t, 1, "TRANSACTION")) {
      c.kind = ScriptCommand::Kind::Sql;  // the server's own SET statements
    } else {
      c.kind = ScriptCommand::Kind::SetOther;
    }
  } else if (word(t, 0, "CONNECT") && t.size() > 1) {
    c.kind = ScriptCommand::Kind::Connect;
    c.argument = t[1].text;
    readCredentials(t, 2, c);
  } else if (word(t, 0, "CREATE") && (word(t, 1, "DATABASE") || word(t, 1, "SCHEMA")) && t.size() > 2) {
    c.kind = ScriptCommand::Kind::CreateDatabase;
    c.argument = t[2].text;
    readCredentials(t, 3, c);
  } else if (word(t, 0, "COMMIT") && t.size() <= 2 && (t.size() == 1 || word(t, 1, "WORK"))) {
    c.kind = ScriptCommand::Kind::Commit;
  } else if (word(t, 0, "ROLLBACK") && t.size() <= 2 && (t.size() == 1 || word(t, 1, "WORK"))) {
    c.kind = ScriptCommand::Kind::Rollback;
  }
  return c;
}

}  // namespace

ParsedScript parseScript(const QByteArray& script) {
  ParsedScript out;
  QByteArray term = ";";
  QByteArray current;
  int line = 1;
  int startLine = 1;
  const qsizetype n = script.size();
  qsizetype i = 0;
  auto finish = [&]() {
    const QByteArray text = current.trimmed();
    current.clear();
    if (text.isEmpty()) return;
    ScriptCommand c = classify(text, startLine);
    if (c.kind == ScriptCommand::Kind::SetTerm && !c.argument.isEmpty()) term = c.argument;
    out.commands.append(std::move(c));
  };
  while (i < n) {
    const char ch = script[i];
    if (current.trimmed().isEmpty()) startLine = line;
    if (ch == '\n') ++line;
    if (ch == '\'' || ch == '"') {
      const qsizetype end = endOfQuoted(script, i);
      line += static_cast<int>(std::count(script.constData() + i, script.constData() + end, '\n'));
      current.append(script.constData() + i, end - i);
      i = end;
    } else if (ch == '-' && i + 1 < n && script[i + 1] == '-') {
      while (i < n && script[i] != '\n') ++i;
    } else if (ch == '/' && i + 1 < n && script[i + 1] == '*') {
      qsizetype j = script.indexOf("*/", i + 2);
      j = j < 0 ? n : j + 2;
      line += static_cast<int>(script.mid(i, j - i).count('\n'));
      current.append(' ');
      i = j;
    } else if (n - i >= term.size() && std::memcmp(script.constData() + i, term.constData(), static_cast<size_t>(term.size())) == 0) {
      finish();
      i += term.size();
    } else {
      current.append(ch);
      ++i;
    }
  }
  out.trailing = current.trimmed();
  return out;
}

}  // namespace sono::fb
