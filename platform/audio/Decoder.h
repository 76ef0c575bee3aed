#pragma once

#include <cstdint>

namespace sono::audio {

// What every reader delivers: interleaved signed 16-bit samples.
struct PcmFormat {
  int sampleRate = 0;
  int channels = 0;
  int bytesPerFrame() const { return channels * 2; }
  bool operator==(const PcmFormat&) const = default;
};

// One open audio file, decoded in order. Opened and destroyed on the UI
// thread; read and rewound by one thread at a time (the output's feeder
// while it plays). lengthFrames() may be asked from any thread.
class Decoder {
 public:
  virtual ~Decoder() = default;
  virtual PcmFormat format() const = 0;
  // Fills up to `frames` frames; returns how many, 0 at the end of the data
  // (a decoding error ends the data too).
  virtual std::int64_t read(std::int16_t* out, std::int64_t frames) = 0;
  virtual bool rewind() = 0;
  // Total length in frames; for some MP3 files an estimate at first, made
  // exact by a scan in the background.
  virtual std::int64_t lengthFrames() const = 0;
  virtual bool lengthIsExact() const = 0;
};

}  // namespace sono::audio
