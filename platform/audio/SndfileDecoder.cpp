#include "platform/audio/SndfileDecoder.h"

#include <sndfile.h>

#include <QFile>

namespace sono::audio {

std::unique_ptr<SndfileDecoder> SndfileDecoder::open(const QString& path, QString& error) {
  SF_INFO info{};
  SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
  if (!file) {
    error = QString::fromUtf8(sf_strerror(nullptr));
    return nullptr;
  }
  const int type = info.format & SF_FORMAT_TYPEMASK;
  if ((type != SF_FORMAT_WAV && type != SF_FORMAT_WAVEX && type != SF_FORMAT_RF64) || info.channels < 1 ||
      info.channels > 8 || info.samplerate < 1000 || info.samplerate > 384000 || info.frames < 0) {
    sf_close(file);
    error = QStringLiteral("unsupported WAVE data");
    return nullptr;
  }
  std::unique_ptr<SndfileDecoder> d(new SndfileDecoder);
  d->file_ = file;
  d->format_ = {info.samplerate, info.channels};
  d->frames_ = info.frames;
  return d;
}

SndfileDecoder::~SndfileDecoder() {
  if (file_) sf_close(file_);
}

std::int64_t SndfileDecoder::read(std::int16_t* out, std::int64_t frames) {
  const sf_count_t n = sf_readf_short(file_, out, frames);
  return n > 0 ? n : 0;
}

bool SndfileDecoder::rewind() { return sf_seek(file_, 0, SEEK_SET) == 0; }

}  // namespace sono::audio
