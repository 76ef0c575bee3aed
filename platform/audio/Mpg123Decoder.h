#pragma once

#include <QString>
#include <atomic>
#include <memory>
#include <thread>

#include "platform/audio/Decoder.h"

struct mpg123_handle_struct;

namespace sono::audio {

// MPEG audio (MP3 and layers I/II) through libmpg123. When the file has no
// header frame that tells its length, a second handle scans the whole file
// on a thread of its own, so the first sound never waits for the scan.
class Mpg123Decoder final : public Decoder {
 public:
  // `lengthKnown`: the file has a header frame that tells its length.
  static std::unique_ptr<Mpg123Decoder> open(const QString& path, bool lengthKnown, QString& error);
  ~Mpg123Decoder() override;

  PcmFormat format() const override { return format_; }
  std::int64_t read(std::int16_t* out, std::int64_t frames) override;
  bool rewind() override;
  std::int64_t lengthFrames() const override { return length_.load(std::memory_order_acquire); }
  bool lengthIsExact() const override { return exact_.load(std::memory_order_acquire); }

 private:
  Mpg123Decoder() = default;
  void scan(QByteArray path);

  mpg123_handle_struct* handle_ = nullptr;
  PcmFormat format_;
  std::atomic<std::int64_t> length_{0};
  std::atomic<bool> exact_{false};
  std::atomic<bool> cancelScan_{false};
  std::thread scanner_;
};

}  // namespace sono::audio
