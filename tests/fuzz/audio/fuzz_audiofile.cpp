// The audio file reader on arbitrary bytes: the content check, and, for
// whatever passes it, opening and decoding through the reader's decoders.
#include <sys/mman.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <vector>

#include "platform/audio/AudioContent.h"
#include "platform/audio/AudioError.h"
#include "platform/audio/AudioFile.h"
#include "platform/audio/Mpg123Decoder.h"
#include "platform/audio/SndfileDecoder.h"

namespace {

// The decoders open files by name: the input lives in an anonymous file.
class MemoryFile {
 public:
  MemoryFile(const uint8_t* data, size_t size) : fd_(memfd_create("fuzz-audio", MFD_CLOEXEC)) {
    if (fd_ >= 0 && size > 0 && write(fd_, data, size) != ssize_t(size)) {
      close(fd_);
      fd_ = -1;
    }
  }
  ~MemoryFile() {
    if (fd_ >= 0) close(fd_);
  }
  bool ok() const { return fd_ >= 0; }
  QString path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

 private:
  int fd_;
};

void decodeSome(sono::audio::Decoder& d) {
  std::vector<std::int16_t> pcm(size_t(512 * d.format().channels));
  // Bounded, so a long but valid stream does not stall the fuzzer.
  for (int i = 0; i < 256 && d.read(pcm.data(), 512) > 0; ++i) {
  }
  d.rewind();
  d.read(pcm.data(), 512);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  const auto content = sono::audio::detectAudioContent(buffer);
  const bool lengthKnown = sono::audio::mpegHasLengthHeader(buffer);
  if (content == sono::audio::AudioContent::Unknown) return 0;

  MemoryFile file(data, size);
  if (!file.ok()) return 0;
  QString error;
  if (content == sono::audio::AudioContent::Wave) {
    if (auto d = sono::audio::SndfileDecoder::open(file.path(), error)) decodeSome(*d);
  } else if (auto d = sono::audio::Mpg123Decoder::open(file.path(), lengthKnown, error)) {
    decodeSome(*d);
  }
  TMMAudioFile reader;
  try {
    reader.setFileName(file.path());
    (void)reader.length();
  } catch (const EMMError&) {
  }
  return 0;
}
