#include "platform/files/NetworkPath.h"

#include "platform/text/FileLookup.h"

#include <QDir>
#include <QStringList>

namespace sono::files {

namespace {

bool isSeparator(QChar c) { return c == QLatin1Char('\\') || c == QLatin1Char('/'); }

}  // namespace

bool isNetworkPath(const QString& path) {
  if (path.size() < 3 || !isSeparator(path[0]) || !isSeparator(path[1]) || isSeparator(path[2])) return false;
  QString rest = path.mid(2);
  rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
  const QStringList parts = rest.split(QLatin1Char('/'));
  return parts.size() >= 2 && !parts[0].isEmpty() && !parts[1].isEmpty();
}

QString localPath(const QString& path, const QString& mountFolder) {
  if (!isNetworkPath(path)) return path;
  QString rest = path.mid(2);
  rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
  QStringList parts = rest.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  for (const QString& p : parts)
    if (p == QLatin1String("..") || p == QLatin1String(".")) return {};
  QString base = mountFolder;
  while (base.size() > 1 && base.endsWith(QLatin1Char('/'))) base.chop(1);
  // The stored names come from a system that does not tell letter case
  // apart; the mounted shares do.
  return text::findCaseInsensitive(base, parts.join(QLatin1Char('/')));
}

QString networkMountFolder() {
  const QString configured = qEnvironmentVariable("SONO_NETWORK_MOUNTS");
  return configured.isEmpty() ? QStringLiteral("/mnt") : configured;
}

QString localPath(const QString& path) { return localPath(path, networkMountFolder()); }

}  // namespace sono::files
