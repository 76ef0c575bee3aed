#include "tools/lcfc/LcfSource.h"

#include <QStringList>

namespace sono::lcfc {
namespace {

std::optional<QString> unescape(const QString& raw) {
  QString out;
  for (qsizetype i = 0; i < raw.size(); ++i) {
    const QChar c = raw.at(i);
    if (c != QLatin1Char('\\')) {
      out += c;
      continue;
    }
    if (++i >= raw.size()) return std::nullopt;
    switch (raw.at(i).unicode()) {
      case 'n': out += QLatin1Char('\n'); break;
      case 'r': out += QLatin1Char('\r'); break;
      case 't': out += QLatin1Char('\t'); break;
      case 's': out += QLatin1Char(' '); break;
      case '\\': out += QLatin1Char('\\'); break;
      case 'u': {
        bool ok = false;
        const uint code = raw.mid(i + 1, 4).toUInt(&ok, 16);
        if (!ok || raw.mid(i + 1, 4).size() != 4) return std::nullopt;
        out += QChar(char16_t(code));
        i += 4;
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
}

}  // namespace

std::optional<LanguageSource> parseLanguageSource(const QString& text, ParseError* error) {
  LanguageSource src;
  bool haveLanguage = false;
  enum class Section { None, Strings, Class } section = Section::None;
  // Editors on the other system like to start UTF-8 files with a byte-order mark.
  const QStringList lines = (text.startsWith(QChar(0xFEFF)) ? text.mid(1) : text).split(QLatin1Char('\n'));
  auto fail = [&](int line, const QString& message) -> std::optional<LanguageSource> {
    if (error) *error = {line, message};
    return std::nullopt;
  };
  for (int n = 0; n < lines.size(); ++n) {
    const int lineNo = n + 1;
    QString line = lines[n];
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    const QString trimmed = line.trimmed();
    if (trimmed.isEmpty() || trimmed.startsWith(QLatin1Char('#'))) continue;

    if (trimmed.startsWith(QLatin1Char('['))) {
      if (!trimmed.endsWith(QLatin1Char(']')) || trimmed.size() < 3) return fail(lineNo, "malformed section");
      const QString name = trimmed.mid(1, trimmed.size() - 2).trimmed();
      if (name.compare(QLatin1String("strings"), Qt::CaseInsensitive) == 0) {
        section = Section::Strings;
      } else {
        section = Section::Class;
        src.classes.append({name, {}});
      }
      continue;
    }
    if (section == Section::None) {
      const QStringList words = trimmed.split(QLatin1Char(' '), Qt::SkipEmptyParts);
      bool ok = false;
      const int value = words.size() == 2 ? words[1].toInt(&ok) : 0;
      if (!ok) return fail(lineNo, "expected 'language <id>' or 'codepage <number>'");
      if (words[0] == QLatin1String("language")) {
        src.id = value;
        haveLanguage = true;
      } else if (words[0] == QLatin1String("codepage")) {
        src.codePage = value;
      } else {
        return fail(lineNo, "unknown setting " + words[0]);
      }
      continue;
    }
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0) return fail(lineNo, "expected 'key = text'");
    const QString key = line.left(eq).trimmed();
    const auto value = unescape(line.mid(eq + 1).trimmed());
    if (key.isEmpty()) return fail(lineNo, "empty key");
    if (!value) return fail(lineNo, "bad escape");
    if (section == Section::Strings) {
      bool ok = false;
      const uint id = key.toUInt(&ok);
      if (!ok || id >= 65536) return fail(lineNo, "a string id is a number below 65536");
      src.strings[id] = *value;
    } else {
      if (!key.contains(QLatin1Char('-'))) return fail(lineNo, "a key is Component-Property");
      src.classes.last().entries.append({key.toLatin1(), *value});
    }
  }
  if (!haveLanguage) return fail(0, "no 'language' line");
  return src;
}

}  // namespace sono::lcfc
