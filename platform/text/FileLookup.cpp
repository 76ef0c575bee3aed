#include "platform/text/FileLookup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace sono::text {

QString findCaseInsensitive(const QString& folder, const QString& relative) {
  QString rel = relative;
  rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
  const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  QString current = folder.isEmpty() ? QStringLiteral(".") : folder;
  // What does not exist keeps the spelling asked for, below the folders
  // that do.
  auto rest = [&](qsizetype from) { return QDir(current).filePath(parts.mid(from).join(QLatin1Char('/'))); };
  for (qsizetype i = 0; i < parts.size(); ++i) {
    const QString& part = parts[i];
    const QString exact = QDir(current).filePath(part);
    if (QFileInfo::exists(exact)) {
      current = exact;
      continue;
    }
    if (part == QLatin1String(".") || part == QLatin1String("..")) return rest(i);
    const QStringList entries =
        QDir(current).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    QString found;
    for (const QString& e : entries) {
      if (e.compare(part, Qt::CaseInsensitive) == 0) {
        found = e;
        break;
      }
    }
    if (found.isEmpty()) return rest(i);
    current = QDir(current).filePath(found);
  }
  return current;
}

QString installationFile(const QString& relative) {
  return findCaseInsensitive(QCoreApplication::applicationDirPath(), relative);
}

}  // namespace sono::text
