#pragma once

#include <QString>
#include <memory>

#include "platform/audio/Decoder.h"

struct sf_private_tag;

namespace sono::audio {

// RIFF WAVE files through libsndfile (any sample format it reads).
class SndfileDecoder final : public Decoder {
 public:
  // Returns null and sets `error` when the file is not a WAVE file it can read.
  static std::unique_ptr<SndfileDecoder> open(const QString& path, QString& error);
  ~SndfileDecoder() override;

  PcmFormat format() const override { return format_; }
  std::int64_t read(std::int16_t* out, std::int64_t frames) override;
  bool rewind() override;
  std::int64_t lengthFrames() const override { return frames_; }
  bool lengthIsExact() const override { return true; }

 private:
  SndfileDecoder() = default;
  ::sf_private_tag* file_ = nullptr;
  PcmFormat format_;
  std::int64_t frames_ = 0;
};

}  // namespace sono::audio
