#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace sono::test {

// Level analysis of a mono 16-bit recording, in windows of 10 ms.
struct ToneAnalysis {
  static constexpr int kWindowMs = 10;

  ToneAnalysis(const std::vector<std::int16_t>& samples, int rate);

  // Amplitude (0 … 1 of full scale) of `frequency` over [fromMs, toMs).
  double toneLevel(double frequency, int fromMs, int toMs) const;
  // RMS of each 10 ms window, 0 … 1 of full scale.
  const std::vector<double>& windows() const { return rms_; }
  // First and last window (in ms) whose RMS is above `threshold`; −1 if none.
  int firstSoundMs(double threshold) const;
  int lastSoundMs(double threshold) const;
  // The longest stretch of silent windows (below `threshold`) between the
  // first and the last sounding window, in ms.
  int longestGapMs(double threshold) const;
  int durationMs() const { return int(samples_.size() * 1000 / size_t(rate_)); }

 private:
  std::vector<std::int16_t> samples_;
  int rate_;
  std::vector<double> rms_;
};

}  // namespace sono::test
