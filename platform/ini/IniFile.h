#pragma once
// Reads an INI file the way Windows' profile functions do: sections and
// keys without regard to case, the first occurrence of a section or key
// wins, values trimmed and stripped of one pair of enclosing quotes, lines
// starting with ';' ignored. Values are the file's bytes (ANSI code page);
// the caller converts them. Any bytes are accepted: a file that is not an
// INI file simply has no sections.

#include <QByteArray>
#include <QString>

#include <optional>

namespace sono::ini {

class IniFile {
 public:
  // Reads at most this much of a file; an INI file is a few hundred bytes.
  static constexpr qint64 kMaxSize = 1 << 20;

  IniFile() = default;
  explicit IniFile(QByteArray contents) : data_(std::move(contents)) {}
  // Loads the file; nullopt when it cannot be read.
  static std::optional<IniFile> load(const QString& path);

  bool hasSection(const QByteArray& section) const;
  QByteArray value(const QByteArray& section, const QByteArray& key, const QByteArray& fallback = {}) const;

 private:
  QByteArray data_;
};

}  // namespace sono::ini
