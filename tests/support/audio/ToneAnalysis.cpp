#include "support/audio/ToneAnalysis.h"

#include <algorithm>
#include <cmath>

namespace sono::test {

ToneAnalysis::ToneAnalysis(const std::vector<std::int16_t>& samples, int rate) : samples_(samples), rate_(rate) {
  const size_t window = size_t(rate) * kWindowMs / 1000;
  for (size_t start = 0; start + window <= samples_.size(); start += window) {
    double sum = 0;
    for (size_t i = start; i < start + window; ++i) sum += double(samples_[i]) * samples_[i];
    rms_.push_back(std::sqrt(sum / double(window)) / 32768.0);
  }
}

double ToneAnalysis::toneLevel(double frequency, int fromMs, int toMs) const {
  // Goertzel over the span: the amplitude of one frequency.
  const size_t from = std::min(samples_.size(), size_t(std::max(fromMs, 0)) * size_t(rate_) / 1000);
  const size_t to = std::min(samples_.size(), size_t(std::max(toMs, 0)) * size_t(rate_) / 1000);
  if (to <= from) return 0;
  const double w = 2 * M_PI * frequency / rate_;
  const double coeff = 2 * std::cos(w);
  double s1 = 0, s2 = 0;
  for (size_t i = from; i < to; ++i) {
    const double s = samples_[i] / 32768.0 + coeff * s1 - s2;
    s2 = s1;
    s1 = s;
  }
  const double power = s1 * s1 + s2 * s2 - coeff * s1 * s2;
  return 2 * std::sqrt(std::max(power, 0.0)) / double(to - from);
}

int ToneAnalysis::firstSoundMs(double threshold) const {
  for (size_t i = 0; i < rms_.size(); ++i)
    if (rms_[i] > threshold) return int(i) * kWindowMs;
  return -1;
}

int ToneAnalysis::lastSoundMs(double threshold) const {
  for (size_t i = rms_.size(); i-- > 0;)
    if (rms_[i] > threshold) return int(i) * kWindowMs;
  return -1;
}

int ToneAnalysis::longestGapMs(double threshold) const {
  const int first = firstSoundMs(threshold), last = lastSoundMs(threshold);
  if (first < 0) return 0;
  int longest = 0, run = 0;
  for (int i = first / kWindowMs; i <= last / kWindowMs; ++i) {
    run = rms_[size_t(i)] > threshold ? 0 : run + 1;
    longest = std::max(longest, run);
  }
  return longest * kWindowMs;
}

}  // namespace sono::test
