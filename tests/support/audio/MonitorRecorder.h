#pragma once

#include <QProcess>
#include <QString>
#include <QTemporaryDir>
#include <cstdint>
#include <vector>

namespace sono::test {

// Records what a null sink plays, from its monitor, with parecord: mono,
// 16-bit, 44.1 kHz (the channels are mixed down by the server).
class MonitorRecorder {
 public:
  static constexpr int kRate = 44100;

  explicit MonitorRecorder(QString sink);
  ~MonitorRecorder();
  // Starts recording and waits until the first samples have arrived.
  bool start();
  // Stops and returns everything recorded.
  std::vector<std::int16_t> stop();

 private:
  QString sink_;
  QTemporaryDir dir_;
  QString file_;
  QProcess process_;
};

}  // namespace sono::test
