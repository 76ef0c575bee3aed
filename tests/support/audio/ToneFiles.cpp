#include "support/audio/ToneFiles.h"

#include <sndfile.h>

#include <QFile>
#include <cmath>
#include <vector>

#include "platform/audio/AudioContent.h"

namespace sono::test {

bool writeTone(const QString& path, ToneKind kind, double frequency, double seconds, double amplitude, int rate,
               int channels) {
  SF_INFO info{};
  info.samplerate = rate;
  info.channels = channels;
  info.format =
      kind == ToneKind::Wav ? (SF_FORMAT_WAV | SF_FORMAT_PCM_16) : (SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III);
  SNDFILE* f = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
  if (!f) return false;
  if (kind != ToneKind::Wav) {
    int mode = kind == ToneKind::Mp3Vbr ? SF_BITRATE_MODE_VARIABLE : SF_BITRATE_MODE_CONSTANT;
    sf_command(f, SFC_SET_BITRATE_MODE, &mode, sizeof mode);
  }
  const sf_count_t frames = sf_count_t(seconds * rate);
  std::vector<float> block(size_t(4096 * channels));
  for (sf_count_t done = 0; done < frames;) {
    const sf_count_t n = std::min<sf_count_t>(4096, frames - done);
    for (sf_count_t i = 0; i < n; ++i) {
      const float v = float(amplitude * std::sin(2 * M_PI * frequency * double(done + i) / rate));
      for (int c = 0; c < channels; ++c) block[size_t(i * channels + c)] = v;
    }
    if (sf_writef_float(f, block.data(), n) != n) {
      sf_close(f);
      return false;
    }
    done += n;
  }
  return sf_close(f) == 0;
}

bool stripXingFrame(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return false;
  QByteArray data = f.readAll();
  f.close();
  // Skip an ID3v2 tag, then look at the first frame.
  qsizetype pos = 0;
  if (data.startsWith("ID3") && data.size() > 10) {
    const auto* b = reinterpret_cast<const unsigned char*>(data.constData());
    pos = 10 + ((b[6] << 21) | (b[7] << 14) | (b[8] << 7) | b[9]);
  }
  while (pos + 4 <= data.size() &&
         sono::audio::mpegFrameLength(reinterpret_cast<const unsigned char*>(data.constData()) + pos) == 0)
    ++pos;
  if (pos + 4 > data.size()) return false;
  const int len = sono::audio::mpegFrameLength(reinterpret_cast<const unsigned char*>(data.constData()) + pos);
  const QByteArray frame = data.mid(pos, len);
  if (!frame.contains("Xing") && !frame.contains("Info")) return false;
  data.remove(pos, len);
  return writeFile(path, data);
}

bool writeFile(const QString& path, const QByteArray& data) {
  QFile f(path);
  return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(data) == data.size();
}

}  // namespace sono::test
