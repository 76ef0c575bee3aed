#include "platform/audio/AudioContent.h"

#include <QIODevice>

namespace sono::audio {

namespace {

// How far past the ID3 tag the first frame may start (padding, junk).
constexpr qint64 kSyncWindow = 4096;
// Consecutive headers needed before a stream counts as MPEG audio.
constexpr int kFramesNeeded = 3;

QByteArray readAt(QIODevice& file, qint64 offset, qint64 size) {
  if (!file.seek(offset)) return {};
  return file.read(size);
}

// Size of the ID3v2 tag at the start of the file (0 when there is none).
qint64 id3v2Size(const QByteArray& head) {
  if (head.size() < 10 || !head.startsWith("ID3")) return 0;
  const auto* b = reinterpret_cast<const unsigned char*>(head.constData());
  for (int i = 6; i < 10; ++i)
    if (b[i] & 0x80) return 0;  // not a synch-safe size: not a tag
  const qint64 size = (qint64(b[6]) << 21) | (qint64(b[7]) << 14) | (qint64(b[8]) << 7) | b[9];
  const bool footer = (b[5] & 0x10) != 0;
  return 10 + size + (footer ? 10 : 0);
}

}  // namespace

int mpegFrameLength(const unsigned char* p) {
  if (p[0] != 0xFF || (p[1] & 0xE0) != 0xE0) return 0;
  const int version = (p[1] >> 3) & 3;  // 0: 2.5, 1: reserved, 2: 2, 3: 1
  const int layer = (p[1] >> 1) & 3;    // 1: III, 2: II, 3: I
  const int bitrateIndex = p[2] >> 4;
  const int rateIndex = (p[2] >> 2) & 3;
  const int padding = (p[2] >> 1) & 1;
  if (version == 1 || layer == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
    return 0;  // reserved values; free-format streams are not accepted either

  static const int kBitrates[2][3][15] = {// MPEG 1: layer I, II, III
                                          {{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
                                           {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
                                           {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}},
                                          // MPEG 2 and 2.5: layer I, II, III
                                          {{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
                                           {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
                                           {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}};
  static const int kRates[3] = {44100, 48000, 32000};

  const bool mpeg1 = version == 3;
  const int layerIndex = 3 - layer;  // 0: I, 1: II, 2: III
  const int bitrate = kBitrates[mpeg1 ? 0 : 1][layerIndex][bitrateIndex] * 1000;
  int rate = kRates[rateIndex];
  if (version == 2)
    rate /= 2;
  else if (version == 0)
    rate /= 4;

  if (layerIndex == 0) return (12 * bitrate / rate + padding) * 4;
  if (layerIndex == 2 && !mpeg1) return 72 * bitrate / rate + padding;
  return 144 * bitrate / rate + padding;
}

qint64 firstMpegFrame(QIODevice& file) {
  const QByteArray head = readAt(file, 0, 10);
  qint64 start = id3v2Size(head);
  // Some files carry more than one tag one after another.
  for (int tags = 0; start > 0 && tags < 4; ++tags) {
    const qint64 next = id3v2Size(readAt(file, start, 10));
    if (next == 0) break;
    start += next;
  }

  const QByteArray window = readAt(file, start, kSyncWindow + 4);
  const auto* w = reinterpret_cast<const unsigned char*>(window.constData());
  for (qint64 i = 0; i + 4 <= window.size(); ++i) {
    if (w[i] != 0xFF || mpegFrameLength(w + i) == 0) continue;
    // Follow the chain: each header must be where the previous frame ends
    // and agree with the first on version, layer and sample rate.
    qint64 pos = start + i;
    int found = 0;
    bool broken = false;
    while (found < kFramesNeeded) {
      const QByteArray h = readAt(file, pos, 4);
      if (h.size() < 4) {
        // The stream ended on a frame boundary: a short file is still MPEG.
        broken = found == 0 || h.size() != 0;
        break;
      }
      const auto* hb = reinterpret_cast<const unsigned char*>(h.constData());
      const int len = mpegFrameLength(hb);
      if (len == 0 || (hb[1] & 0xFE) != (w[i + 1] & 0xFE) || (hb[2] & 0x0C) != (w[i + 2] & 0x0C)) {
        broken = true;
        break;
      }
      ++found;
      pos += len;
    }
    if (!broken) return start + i;
  }
  return -1;
}

AudioContent detectAudioContent(QIODevice& file) {
  const QByteArray head = readAt(file, 0, 12);
  if (head.size() >= 12 && (head.startsWith("RIFF") || head.startsWith("RF64")) && head.mid(8, 4) == "WAVE")
    return AudioContent::Wave;
  return firstMpegFrame(file) >= 0 ? AudioContent::Mpeg : AudioContent::Unknown;
}

bool mpegHasLengthHeader(QIODevice& file) {
  const qint64 first = firstMpegFrame(file);
  if (first < 0) return false;
  const QByteArray frame = readAt(file, first, 64);
  if (frame.size() < 64) return false;
  const auto* b = reinterpret_cast<const unsigned char*>(frame.constData());
  const bool mpeg1 = ((b[1] >> 3) & 3) == 3;
  const bool mono = (b[3] >> 6) == 3;
  // The Xing/Info tag follows the side information; its frame count is
  // there when bit 0 of its flags is set.
  const int xing = 4 + (mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17));
  const QByteArray tag = frame.mid(xing, 4);
  if ((tag == "Xing" || tag == "Info") && (b[xing + 7] & 1)) return true;
  return frame.mid(36, 4) == "VBRI";  // the other encoder's header, always with a count
}

}  // namespace sono::audio
