#include "platform/audio/Mpg123Decoder.h"

#include <fcntl.h>
#include <mpg123.h>
#include <sys/resource.h>
#include <unistd.h>

#include <QFile>
#include <mutex>

namespace sono::audio {

namespace {

void initLibrary() {
  static std::once_flag once;
  std::call_once(once, [] { mpg123_init(); });
}

mpg123_handle* newHandle() {
  int err = MPG123_OK;
  mpg123_handle* h = mpg123_new(nullptr, &err);
  if (h) {
    mpg123_param(h, MPG123_ADD_FLAGS, MPG123_QUIET, 0);
    // The whole file is ours: no resync into the middle of a foreign stream.
    mpg123_param(h, MPG123_RESYNC_LIMIT, 64 * 1024, 0);
  }
  return h;
}

// I/O of the scanning handle: a plain descriptor that answers "error" as
// soon as the decoder is being closed, so the scan ends at once.
struct ScanIo {
  int fd = -1;
  const std::atomic<bool>* cancel = nullptr;
};

ssize_t scanRead(void* handle, void* buf, size_t size) {
  auto* io = static_cast<ScanIo*>(handle);
  if (io->cancel->load(std::memory_order_relaxed)) return -1;
  return ::read(io->fd, buf, size);
}

off_t scanSeek(void* handle, off_t offset, int whence) {
  auto* io = static_cast<ScanIo*>(handle);
  if (io->cancel->load(std::memory_order_relaxed)) return -1;
  return ::lseek(io->fd, offset, whence);
}

}  // namespace

std::unique_ptr<Mpg123Decoder> Mpg123Decoder::open(const QString& path, bool lengthKnown, QString& error) {
  initLibrary();
  std::unique_ptr<Mpg123Decoder> d(new Mpg123Decoder);
  d->handle_ = newHandle();
  if (!d->handle_) {
    error = QStringLiteral("cannot create an MPEG decoder");
    return nullptr;
  }
  const QByteArray name = QFile::encodeName(path);
  long rate = 0;
  int channels = 0, encoding = 0;
  if (mpg123_open(d->handle_, name.constData()) != MPG123_OK ||
      mpg123_getformat(d->handle_, &rate, &channels, &encoding) != MPG123_OK || rate <= 0 || channels < 1) {
    error = QString::fromUtf8(mpg123_strerror(d->handle_));
    return nullptr;
  }
  // Fix the output format, so a stream that changes its rate or mode midway
  // still reaches the device in the format it was opened with.
  mpg123_format_none(d->handle_);
  if (mpg123_format(d->handle_, rate, channels, MPG123_ENC_SIGNED_16) != MPG123_OK) {
    error = QString::fromUtf8(mpg123_strerror(d->handle_));
    return nullptr;
  }
  d->format_ = {int(rate), channels};
  const off_t estimate = mpg123_length(d->handle_);
  d->length_.store(estimate > 0 ? estimate : 0, std::memory_order_relaxed);

  // mpg123's own estimate (file size ÷ first frame) is exact only when a
  // header frame told the frame count.
  if (lengthKnown) {
    d->exact_.store(true, std::memory_order_relaxed);
  } else {
    d->scanner_ = std::thread(&Mpg123Decoder::scan, d.get(), name);
  }
  return d;
}

Mpg123Decoder::~Mpg123Decoder() {
  cancelScan_.store(true, std::memory_order_relaxed);
  if (scanner_.joinable()) scanner_.join();
  if (handle_) {
    mpg123_close(handle_);
    mpg123_delete(handle_);
  }
}

// Runs on the scanner thread: counts the samples of every frame.
void Mpg123Decoder::scan(QByteArray path) {
  // The scan is a background chore: it must not take time from the UI
  // thread or from any output's feeder.
  setpriority(PRIO_PROCESS, pid_t(gettid()), 19);
  ScanIo io{::open(path.constData(), O_RDONLY | O_CLOEXEC), &cancelScan_};
  if (io.fd < 0) return;
  mpg123_handle* h = newHandle();
  if (h) {
    mpg123_replace_reader_handle(h, scanRead, scanSeek, nullptr);
    if (mpg123_open_handle(h, &io) == MPG123_OK && mpg123_scan(h) == MPG123_OK &&
        !cancelScan_.load(std::memory_order_relaxed)) {
      const off_t samples = mpg123_length(h);
      if (samples > 0) {
        length_.store(samples, std::memory_order_release);
        exact_.store(true, std::memory_order_release);
      }
    }
    mpg123_close(h);
    mpg123_delete(h);
  }
  ::close(io.fd);
}

std::int64_t Mpg123Decoder::read(std::int16_t* out, std::int64_t frames) {
  const size_t bytes = size_t(frames) * size_t(format_.bytesPerFrame());
  size_t total = 0;
  auto* dst = reinterpret_cast<unsigned char*>(out);
  while (total < bytes) {
    size_t done = 0;
    const int rc = mpg123_read(handle_, dst + total, bytes - total, &done);
    total += done;
    if (rc == MPG123_NEW_FORMAT || (rc == MPG123_OK && done > 0)) continue;
    break;  // MPG123_DONE, an error, or nothing more to give
  }
  return std::int64_t(total / size_t(format_.bytesPerFrame()));
}

bool Mpg123Decoder::rewind() { return mpg123_seek(handle_, 0, SEEK_SET) >= 0; }

}  // namespace sono::audio
