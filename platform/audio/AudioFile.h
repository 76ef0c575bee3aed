#pragma once

#include <QObject>
#include <QPointer>
#include <QString>
#include <atomic>
#include <memory>

#include "platform/audio/Decoder.h"

class TMMWaveOut;

// Units of the reader's position and length, set by the output it feeds.
enum TMMTimeFormat { tfMillisecond, tfSample };

// The file reader: opens a WAV or MPEG audio file named by FileName (the
// kind told by its content) and hands PCM to the output it is connected to.
// Everything but the PCM pull runs on the UI thread; the pull runs on the
// output's feeder thread while the output plays.
class TMMAudioFile : public QObject {
  Q_OBJECT
 public:
  explicit TMMAudioFile(QObject* owner = nullptr);
  ~TMMAudioFile() override;

  // Opens and checks the file, closing any open one first; raises EMMError
  // for a file that is neither WAVE nor MPEG audio. The empty text closes.
  // A reader that is being played is silenced first.
  void setFileName(const QString& path);
  QString fileName() const { return fileName_; }
  bool isOpen() const { return decoder_ != nullptr; }

  // Position and total length in the connected output's time format
  // (milliseconds unless told otherwise). The position is what has been
  // handed to the output so far.
  qint64 position() const;
  qint64 length() const;
  bool lengthIsExact() const { return decoder_ && decoder_->lengthIsExact(); }
  sono::audio::PcmFormat format() const;

  // Makes the current position the end of playback, fading out over the
  // smaller of `ms` and the time that remains; a looping output does not
  // restart it. Asked again while fading, the fade starts anew from the
  // level reached. No effect unless the reader is being played.
  void fadeOut(int ms);

  // Connects the reader to the output (the output's input is this reader).
  void setOutput(TMMWaveOut* output);
  TMMWaveOut* output() const;

 private:
  friend class TMMWaveOut;

  // Feeder thread only, while the output plays.
  std::int64_t readPcm(std::int16_t* out, std::int64_t frames, bool looping);
  // UI thread, by the output when it starts and stops playing this reader.
  void setPlaying(bool playing);
  std::int64_t toUnits(std::int64_t frames) const;

  QString fileName_;
  std::unique_ptr<sono::audio::Decoder> decoder_;
  QPointer<TMMWaveOut> output_;
  TMMTimeFormat timeFormat_ = tfMillisecond;

  std::atomic<bool> playing_{false};
  std::atomic<std::int64_t> framesRead_{0};
  // A fade request in milliseconds, −1 when none is pending.
  std::atomic<int> fadeRequest_{-1};
  // Feeder-side fade state.
  bool fading_ = false;
  bool ended_ = false;
  double fadeStartGain_ = 1.0;
  std::int64_t fadeTotal_ = 0;
  std::int64_t fadeLeft_ = 0;
};
