#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

#include "platform/audio/AudioFile.h"
#include "platform/audio/Decoder.h"

// How the output's buffers are refilled: by a feeder thread of its own.
enum TMMCallBackMode { cmThread };

using TNotifyEvent = std::function<void(QObject* sender)>;

// The wave-out output: plays what its reader delivers on one device. While
// it plays, a feeder thread of its own pulls 2048-byte buffers from the
// reader and writes them to a blocking PortAudio stream whose host buffer
// holds NumBuffers of them. Every method is for the UI thread.
class TMMWaveOut : public QObject {
  Q_OBJECT
 public:
  static constexpr int kBufferSize = 2048;
  static constexpr int kDefaultBuffers = 10;
  static constexpr int kMaxBuffers = 500;

  explicit TMMWaveOut(QObject* owner = nullptr);
  // Stops at once, with no notification.
  ~TMMWaveOut() override;

  void setCallBackMode(TMMCallBackMode mode) { callBackMode_ = mode; }
  TMMCallBackMode callBackMode() const { return callBackMode_; }
  // −1 the system's default output, 0 … n−1 the output devices. Takes
  // effect when the device is next opened.
  void setDeviceID(int id) { deviceId_ = id; }
  int deviceID() const { return deviceId_; }
  // Below 2 keeps the default of 10; above 500 is taken as 500.
  void setNumBuffers(int count);
  int numBuffers() const { return numBuffers_; }
  int bufferSize() const { return kBufferSize; }
  void setTimeFormat(TMMTimeFormat format);
  TMMTimeFormat timeFormat() const { return timeFormat_; }
  // When on, the end of the file rewinds the reader and playing goes on,
  // with no notification. May be switched while playing.
  void setLooping(bool on) { looping_.store(on, std::memory_order_relaxed); }
  bool looping() const { return looping_.load(std::memory_order_relaxed); }
  // Delivered inside start(), before it returns.
  void setOnStart(TNotifyEvent handler) { onStart_ = std::move(handler); }
  // Delivered on the UI thread from the event loop when playing has ended
  // or stop() was called; inside start() when the reader had no audio.
  void setOnStop(TNotifyEvent handler) { onStop_ = std::move(handler); }

  void setInput(TMMAudioFile* reader);
  TMMAudioFile* input() const { return input_; }

  // Opens the device with the reader's format if it is closed, fills the
  // first buffer and starts playing. Raises EMMError ("WaveOutOpen: …",
  // "WaveOutStart: …") when the device cannot be opened or started, or the
  // reader gives no audio (the output then stops itself and delivers OnStop
  // before raising).
  void start();
  // Stops playing and delivers OnStop (from the event loop).
  void stop();
  // Releases the device; a playing output is stopped silently first.
  void close();
  bool isPlaying() const { return playing_; }
  bool isOpen() const { return stream_ != nullptr; }

  // Underruns seen by the feeder since the output was created.
  int underruns() const { return underruns_.load(std::memory_order_relaxed); }

 private:
  friend class TMMAudioFile;

  void openDevice(const sono::audio::PcmFormat& format);
  void closeDevice();
  // Stops the feeder and the stream at once, with no notification.
  void abortSilently();
  void joinFeeder();
  void feed(TMMAudioFile* reader, unsigned generation);  // the feeder thread
  void feederFinished(unsigned generation);
  void deliverStop();
  bool waitFor(double seconds);  // feeder: sleeps, true when asked to stop

  TMMCallBackMode callBackMode_ = cmThread;
  int deviceId_ = 0;
  int numBuffers_ = kDefaultBuffers;
  TMMTimeFormat timeFormat_ = tfMillisecond;
  std::atomic<bool> looping_{false};
  TNotifyEvent onStart_;
  TNotifyEvent onStop_;
  QPointer<TMMAudioFile> input_;

  void* stream_ = nullptr;  // PaStream, touched by the feeder only while it runs
  sono::audio::PcmFormat streamFormat_;
  int openedDeviceId_ = 0;
  int openedBuffers_ = 0;
  long hostFrames_ = 0;  // the host buffer's size when empty
  bool playing_ = false;
  unsigned generation_ = 0;
  std::thread feeder_;
  std::atomic<bool> stopRequest_{false};
  std::mutex wakeMutex_;
  std::condition_variable wake_;
  std::atomic<int> underruns_{0};
};
