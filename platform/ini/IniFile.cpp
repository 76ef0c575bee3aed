#include "platform/ini/IniFile.h"

#include <QFile>

namespace sono::ini {
namespace {

// Calls f(line) for every line; stops when f returns true.
template <class F>
void forEachLine(const QByteArray& data, F&& f) {
  qsizetype start = 0;
  const qsizetype n = data.size();
  while (start < n) {
    qsizetype end = start;
    while (end < n && data[end] != '\n' && data[end] != '\r') ++end;
    if (f(data.mid(start, end - start).trimmed())) return;
    start = end + 1;
  }
}

bool isSectionLine(const QByteArray& line) { return line.startsWith('[') && line.indexOf(']') > 0; }

QByteArray sectionName(const QByteArray& line) { return line.mid(1, line.indexOf(']') - 1).trimmed(); }

bool sameName(const QByteArray& a, const QByteArray& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

}  // namespace

std::optional<IniFile> IniFile::load(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return std::nullopt;
  return IniFile(f.read(kMaxSize));
}

bool IniFile::hasSection(const QByteArray& section) const {
  bool found = false;
  forEachLine(data_, [&](const QByteArray& line) {
    found = isSectionLine(line) && sameName(sectionName(line), section);
    return found;
  });
  return found;
}

QByteArray IniFile::value(const QByteArray& section, const QByteArray& key, const QByteArray& fallback) const {
  // Only the first section of that name is read, as Windows does.
  enum { Before, Inside, After } where = Before;
  std::optional<QByteArray> result;
  forEachLine(data_, [&](const QByteArray& line) {
    if (isSectionLine(line)) {
      if (where == Inside) where = After;
      if (where == Before && sameName(sectionName(line), section)) where = Inside;
      return where == After;
    }
    if (where != Inside || line.isEmpty() || line.startsWith(';')) return false;
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0 || !sameName(line.left(eq).trimmed(), key)) return false;
    QByteArray v = line.mid(eq + 1).trimmed();
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) v = v.mid(1, v.size() - 2);
    result = v;
    return true;
  });
  return result.value_or(fallback);
}

}  // namespace sono::ini
