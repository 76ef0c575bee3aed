#pragma once
// The readable source of one language of the language file (UTF-8 text):
//
//   # a comment
//   language 1033          the language id (LCID)
//   codepage 1252          optional; written under the LCHEADE2 header
//                          (default: Windows' default for the language)
//   [strings]              built-in strings: id = text
//   1005 = &Yes
//   [TFrmSonopaine]        a class: key = text, key is Component-Path
//   BEditarPerfil-Caption = Edit Profile
//
// A text runs from after "=" to the end of the line, blanks around it
// trimmed; "\n", "\r", "\t", "\s" (blank), "\\" and "\uXXXX" are escapes.
// "key =" with nothing after it is an empty text; a key absent from a
// language gives that language no text.

#include <QByteArray>
#include <QList>
#include <QString>

#include <map>
#include <optional>

namespace sono::lcfc {

struct ClassEntry {
  QByteArray key;
  QString text;
};

struct ClassSection {
  QString name;  // as written; the resource takes it in upper case
  QList<ClassEntry> entries;
};

struct LanguageSource {
  qint32 id = 0;
  std::optional<qint32> codePage;
  std::map<quint32, QString> strings;
  QList<ClassSection> classes;
};

struct ParseError {
  int line = 0;
  QString message;
};

// Parses one source; on failure returns nullopt and fills `error`.
std::optional<LanguageSource> parseLanguageSource(const QString& text, ParseError* error = nullptr);

}  // namespace sono::lcfc
