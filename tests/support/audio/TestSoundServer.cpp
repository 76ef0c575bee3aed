#include "support/audio/TestSoundServer.h"

#include <QDir>
#include <QFileInfo>

#include "platform/audio/PortAudioHost.h"

namespace sono::test {

QString useTestSoundServer() {
  const QByteArray runtime = qgetenv("SONO_TEST_RUNTIME");
  if (runtime.isEmpty()) return QStringLiteral("SONO_TEST_RUNTIME is not set (run the tests through scripts/test)");
  const QDir dir(QString::fromLocal8Bit(runtime));
  const QString socket = dir.filePath(QStringLiteral("pulse/native"));
  const QString asoundrc = dir.filePath(QStringLiteral("asoundrc"));
  if (!QFileInfo::exists(socket) || !QFileInfo::exists(asoundrc))
    return QStringLiteral("no test sound server under %1 (scripts/services/sound-server start)").arg(dir.path());
  qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(socket));
  // The system's configuration first, then the devices of our sinks.
  qputenv("ALSA_CONFIG_PATH", "/usr/share/alsa/alsa.conf:" + QFile::encodeName(asoundrc));
  return {};
}

int deviceNumberNamed(const QString& name) {
  for (int i = 0; i < sono::audio::outputDeviceCount(); ++i)
    if (sono::audio::outputDeviceName(i) == name) return i;
  return -2;
}

}  // namespace sono::test
