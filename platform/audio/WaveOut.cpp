#include "platform/audio/WaveOut.h"

#include <portaudio.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QMetaObject>
#include <chrono>
#include <system_error>

#include "platform/audio/AudioError.h"
#include "platform/audio/PortAudioHost.h"

namespace {

PaStream* pa(void* s) { return static_cast<PaStream*>(s); }

QString paText(PaError err) { return QString::fromUtf8(Pa_GetErrorText(err)); }

}  // namespace

TMMWaveOut::TMMWaveOut(QObject* owner) : QObject(owner) {}

TMMWaveOut::~TMMWaveOut() {
  abortSilently();
  closeDevice();
  if (input_) input_->output_ = nullptr;
}

void TMMWaveOut::setNumBuffers(int count) {
  if (count < 2) return;
  numBuffers_ = std::min(count, kMaxBuffers);
}

void TMMWaveOut::setTimeFormat(TMMTimeFormat format) {
  timeFormat_ = format;
  if (input_) input_->timeFormat_ = format;
}

void TMMWaveOut::setInput(TMMAudioFile* reader) {
  if (reader)
    reader->setOutput(this);
  else if (input_)
    input_->setOutput(nullptr);
}

void TMMWaveOut::openDevice(const sono::audio::PcmFormat& format) {
  const int device = sono::audio::portAudioDevice(deviceId_);
  if (device == paNoDevice) throw EMMError(QStringLiteral("WaveOutOpen: no output device %1").arg(deviceId_));
  const long framesPerBuffer = kBufferSize / format.bytesPerFrame();
  PaStreamParameters params{};
  params.device = device;
  params.channelCount = format.channels;
  params.sampleFormat = paInt16;
  params.suggestedLatency = double(numBuffers_) * double(framesPerBuffer) / format.sampleRate;
  PaStream* stream = nullptr;
  const PaError err = Pa_OpenStream(&stream, nullptr, &params, format.sampleRate, framesPerBuffer,
                                    paClipOff | paDitherOff, nullptr, nullptr);
  if (err != paNoError) throw EMMError(QStringLiteral("WaveOutOpen: %1").arg(paText(err)));
  stream_ = stream;
  streamFormat_ = format;
  openedDeviceId_ = deviceId_;
  openedBuffers_ = numBuffers_;
}

void TMMWaveOut::closeDevice() {
  if (stream_) {
    Pa_CloseStream(pa(stream_));
    stream_ = nullptr;
  }
}

void TMMWaveOut::start() {
  if (playing_) return;
  if (!input_ || !input_->isOpen()) throw EMMError(QStringLiteral("WaveOutStart: no audio file to play"));
  TMMAudioFile* reader = input_;
  const sono::audio::PcmFormat format = reader->format();
  // Reopen when the file's format or the settings differ from the open device's.
  if (stream_ && (format != streamFormat_ || deviceId_ != openedDeviceId_ || numBuffers_ != openedBuffers_))
    closeDevice();
  if (!stream_) openDevice(format);

  const long framesPerBuffer = kBufferSize / format.bytesPerFrame();
  std::vector<std::int16_t> first(size_t(framesPerBuffer * format.channels));
  reader->setPlaying(true);
  const std::int64_t got = reader->readPcm(first.data(), framesPerBuffer, looping());
  if (got == 0) {
    // Nothing to play: the device was opened, so stop as at an end of play.
    // The handler may release this output (deferred); nothing here touches
    // it after the call.
    reader->setPlaying(false);
    deliverStop();
    throw EMMError(QStringLiteral("WaveOutStart: no audio data"));
  }
  PaError err = Pa_StartStream(pa(stream_));
  if (err != paNoError) {
    reader->setPlaying(false);
    throw EMMError(QStringLiteral("WaveOutStart: %1").arg(paText(err)));
  }
  hostFrames_ = Pa_GetStreamWriteAvailable(pa(stream_));
  err = Pa_WriteStream(pa(stream_), first.data(), (unsigned long)got);
  if (err != paNoError && err != paOutputUnderflowed) {
    Pa_AbortStream(pa(stream_));
    reader->setPlaying(false);
    throw EMMError(QStringLiteral("WaveOutStart: %1").arg(paText(err)));
  }

  stopRequest_.store(false, std::memory_order_relaxed);
  const unsigned generation = ++generation_;
  try {
    feeder_ = std::thread([this, reader, generation] { feed(reader, generation); });
  } catch (const std::system_error& e) {
    Pa_AbortStream(pa(stream_));
    reader->setPlaying(false);
    throw EMMError(QStringLiteral("WaveOutStart: %1").arg(QString::fromLocal8Bit(e.what())));
  }
  playing_ = true;

  const TNotifyEvent handler = onStart_;
  if (handler) handler(this);
}

void TMMWaveOut::stop() {
  if (!playing_) return;
  abortSilently();
  QMetaObject::invokeMethod(
      this, [this] { deliverStop(); }, Qt::QueuedConnection);
}

void TMMWaveOut::close() {
  abortSilently();
  closeDevice();
}

void TMMWaveOut::abortSilently() {
  if (!playing_) return;
  {
    std::lock_guard<std::mutex> lock(wakeMutex_);
    stopRequest_.store(true, std::memory_order_relaxed);
  }
  wake_.notify_all();
  joinFeeder();
  ++generation_;  // a finish already posted by the feeder is now stale
  playing_ = false;
  if (input_) input_->setPlaying(false);
}

void TMMWaveOut::joinFeeder() {
  if (feeder_.joinable()) feeder_.join();
}

bool TMMWaveOut::waitFor(double seconds) {
  std::unique_lock<std::mutex> lock(wakeMutex_);
  wake_.wait_for(lock, std::chrono::duration<double>(seconds),
                 [this] { return stopRequest_.load(std::memory_order_relaxed); });
  return stopRequest_.load(std::memory_order_relaxed);
}

// Runs on the output's own feeder thread: refills the device from the
// reader until the data ends or the UI thread asks it to stop. It touches
// only the stream, the reader's PCM pull and atomics; the end reaches the UI
// thread as a queued call.
void TMMWaveOut::feed(TMMAudioFile* reader, unsigned generation) {
  setpriority(PRIO_PROCESS, pid_t(gettid()), -10);  // above normal where allowed

  PaStream* stream = pa(stream_);
  const sono::audio::PcmFormat format = streamFormat_;
  const long framesPerBuffer = kBufferSize / format.bytesPerFrame();
  const double period = double(framesPerBuffer) / format.sampleRate;
  std::vector<std::int16_t> buffer(size_t(framesPerBuffer * format.channels));
  bool endOfData = false;

  while (!stopRequest_.load(std::memory_order_relaxed)) {
    const long avail = Pa_GetStreamWriteAvailable(stream);
    if (avail < 0) break;  // the device went away: this is an end of play too
    if (avail < framesPerBuffer) {
      waitFor(period / 2);
      continue;
    }
    const std::int64_t got = reader->readPcm(buffer.data(), framesPerBuffer, looping());
    if (got == 0) {
      endOfData = true;
      break;
    }
    const PaError err = Pa_WriteStream(stream, buffer.data(), (unsigned long)got);
    if (err == paOutputUnderflowed)
      underruns_.fetch_add(1, std::memory_order_relaxed);
    else if (err != paNoError)
      break;
  }

  if (endOfData) {
    // Let the device play what it holds before the end is announced.
    const auto deadline =
        std::chrono::steady_clock::now() + std::chrono::duration<double>(double(hostFrames_) / format.sampleRate + 1.0);
    while (!stopRequest_.load(std::memory_order_relaxed) && std::chrono::steady_clock::now() < deadline) {
      const long avail = Pa_GetStreamWriteAvailable(stream);
      if (avail < 0 || avail >= hostFrames_) break;
      waitFor(period / 2);
    }
  }
  Pa_AbortStream(stream);
  if (stopRequest_.load(std::memory_order_relaxed)) return;
  QMetaObject::invokeMethod(
      this, [this, generation] { feederFinished(generation); }, Qt::QueuedConnection);
}

void TMMWaveOut::feederFinished(unsigned generation) {
  if (generation != generation_ || !playing_) return;  // stopped or restarted since the feeder posted this
  joinFeeder();
  playing_ = false;
  if (input_) input_->setPlaying(false);
  deliverStop();
}

void TMMWaveOut::deliverStop() {
  // A copy: the handler may replace it, or release this output.
  const TNotifyEvent handler = onStop_;
  if (handler) handler(this);
}
