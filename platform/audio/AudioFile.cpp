#include "platform/audio/AudioFile.h"

#include <QFile>
#include <algorithm>

#include "platform/audio/AudioContent.h"
#include "platform/audio/AudioError.h"
#include "platform/audio/Mpg123Decoder.h"
#include "platform/audio/SndfileDecoder.h"
#include "platform/audio/WaveOut.h"

using sono::audio::AudioContent;

TMMAudioFile::TMMAudioFile(QObject* owner) : QObject(owner) {}

TMMAudioFile::~TMMAudioFile() {
  // The output's feeder must let go of the decoder before it goes.
  if (output_) output_->abortSilently();
}

void TMMAudioFile::setFileName(const QString& path) {
  if (output_ && output_->isPlaying()) output_->abortSilently();
  decoder_.reset();
  fileName_.clear();
  framesRead_.store(0, std::memory_order_relaxed);
  fadeRequest_.store(-1, std::memory_order_relaxed);
  fading_ = ended_ = false;
  fadeStartGain_ = 1.0;
  if (path.isEmpty()) return;

  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw EMMError(QStringLiteral("Cannot open %1: %2").arg(path, file.errorString()));
  const AudioContent content = sono::audio::detectAudioContent(file);
  const bool lengthKnown = content == AudioContent::Mpeg && sono::audio::mpegHasLengthHeader(file);
  file.close();

  QString error;
  switch (content) {
    case AudioContent::Wave:
      decoder_ = sono::audio::SndfileDecoder::open(path, error);
      break;
    case AudioContent::Mpeg:
      decoder_ = sono::audio::Mpg123Decoder::open(path, lengthKnown, error);
      break;
    case AudioContent::Unknown:
      error = QStringLiteral("neither WAVE nor MPEG audio");
      break;
  }
  if (!decoder_) throw EMMError(QStringLiteral("Invalid audio file %1: %2").arg(path, error));
  fileName_ = path;
}

sono::audio::PcmFormat TMMAudioFile::format() const { return decoder_ ? decoder_->format() : sono::audio::PcmFormat{}; }

std::int64_t TMMAudioFile::toUnits(std::int64_t frames) const {
  if (timeFormat_ == tfSample || !decoder_) return decoder_ ? frames : 0;
  return frames * 1000 / decoder_->format().sampleRate;
}

qint64 TMMAudioFile::position() const { return toUnits(framesRead_.load(std::memory_order_relaxed)); }

qint64 TMMAudioFile::length() const { return decoder_ ? toUnits(decoder_->lengthFrames()) : 0; }

void TMMAudioFile::fadeOut(int ms) {
  if (!decoder_ || !playing_.load(std::memory_order_relaxed)) return;
  fadeRequest_.store(std::max(ms, 0), std::memory_order_release);
}

void TMMAudioFile::setOutput(TMMWaveOut* output) {
  if (output_ == output) return;
  if (output_) {
    output_->abortSilently();
    output_->input_ = nullptr;
  }
  output_ = output;
  if (output) {
    if (output->input_ && output->input_ != this) output->input_->setOutput(nullptr);
    output->input_ = this;
    timeFormat_ = output->timeFormat();
  }
}

void TMMAudioFile::setPlaying(bool playing) { playing_.store(playing, std::memory_order_release); }

std::int64_t TMMAudioFile::readPcm(std::int16_t* out, std::int64_t frames, bool looping) {
  if (!decoder_ || ended_) return 0;

  const int requested = fadeRequest_.exchange(-1, std::memory_order_acquire);
  if (requested >= 0) {
    const std::int64_t rate = decoder_->format().sampleRate;
    const std::int64_t left =
        std::max<std::int64_t>(0, decoder_->lengthFrames() - framesRead_.load(std::memory_order_relaxed));
    // A new request while fading starts from the level already reached.
    fadeStartGain_ = fading_ && fadeTotal_ > 0 ? fadeStartGain_ * double(fadeLeft_) / double(fadeTotal_) : 1.0;
    fadeTotal_ = std::min<std::int64_t>(requested * rate / 1000, left);
    fadeLeft_ = fadeTotal_;
    fading_ = true;
    if (fadeTotal_ == 0) {
      ended_ = true;
      return 0;
    }
  }

  const int channels = decoder_->format().channels;
  std::int64_t want = frames;
  if (fading_) want = std::min(want, fadeLeft_);

  std::int64_t got = decoder_->read(out, want);
  if (got < want && !fading_ && looping) {
    // Seamless loop: rewind and fill the rest of this same buffer.
    bool rewound = false;
    while (got < want && decoder_->rewind()) {
      rewound = true;
      framesRead_.store(0, std::memory_order_relaxed);
      const std::int64_t more = decoder_->read(out + got * channels, want - got);
      if (more == 0) break;
      got += more;
      framesRead_.fetch_add(more, std::memory_order_relaxed);
    }
    if (rewound) return got;
  }
  framesRead_.fetch_add(got, std::memory_order_relaxed);

  if (fading_) {
    // Linear ramp from the level reached to silence over fadeTotal_ frames.
    for (std::int64_t f = 0; f < got; ++f) {
      const double g = fadeStartGain_ * double(fadeLeft_ - f) / double(fadeTotal_);
      for (int c = 0; c < channels; ++c) {
        auto& s = out[f * channels + c];
        s = std::int16_t(s * g);
      }
    }
    fadeLeft_ -= got;
    if (fadeLeft_ <= 0 || got < want) ended_ = true;
  }
  return got;
}

TMMWaveOut* TMMAudioFile::output() const { return output_; }
