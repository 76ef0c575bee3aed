#include "support/audio/MonitorRecorder.h"

#include <sys/prctl.h>

#include <QFile>
#include <QFileInfo>
#include <QTest>
#include <csignal>
#include <cstring>

namespace sono::test {

MonitorRecorder::MonitorRecorder(QString sink) : sink_(std::move(sink)) {
  file_ = dir_.filePath(QStringLiteral("monitor.raw"));
}

MonitorRecorder::~MonitorRecorder() {
  if (process_.state() != QProcess::NotRunning) {
    process_.kill();
    process_.waitForFinished(5000);
  }
}

bool MonitorRecorder::start() {
  process_.setProgram(QStringLiteral("parecord"));
  process_.setArguments({QStringLiteral("--device=%1.monitor").arg(sink_), QStringLiteral("--raw"),
                         QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRate),
                         QStringLiteral("--channels=1"), QStringLiteral("--latency-msec=10"), file_});
  // A test that dies (a sanitizer stop, a crash) takes its recorder along.
  process_.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGTERM); });
  process_.start();
  if (!process_.waitForStarted(5000)) return false;
  // The keep-alive stream keeps the monitor running, so data flows at once.
  return QTest::qWaitFor([&] { return QFileInfo(file_).size() > 0; }, 5000);
}

std::vector<std::int16_t> MonitorRecorder::stop() {
  process_.terminate();
  process_.waitForFinished(5000);
  QFile f(file_);
  std::vector<std::int16_t> samples;
  if (f.open(QIODevice::ReadOnly)) {
    const QByteArray data = f.readAll();
    samples.resize(size_t(data.size()) / 2);
    memcpy(samples.data(), data.constData(), samples.size() * 2);
  }
  return samples;
}

}  // namespace sono::test
