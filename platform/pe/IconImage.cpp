#include "platform/pe/IconImage.h"

#include "platform/pe/ByteView.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

namespace sono::pe {
namespace {

constexpr int kMaxSide = 1024;

qint64 rowBytes(qint64 width, int bits) { return ((width * bits + 31) / 32) * 4; }

QImage decodePng(QByteArrayView data) {
  QByteArray bytes = QByteArray::fromRawData(data.data(), data.size());
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  QImageReader reader(&buffer, "PNG");
  // The declared size is checked before anything is allocated for it.
  const QSize size = reader.size();
  if (!size.isValid() || size.width() > kMaxSide || size.height() > kMaxSide) return {};
  const QImage image = reader.read();
  if (image.isNull()) return {};
  return image.convertToFormat(QImage::Format_ARGB32);
}

QImage decodeDib(QByteArrayView bytes) {
  const ByteView d(bytes);
  const auto headerSize = d.u32(0);
  const auto width = d.i32(4);
  const auto doubledHeight = d.i32(8);
  const auto bits = d.u16(14);
  const auto compression = d.u32(16);
  const auto colorsUsed = d.u32(32);
  if (!headerSize || *headerSize < 40 || !width || !doubledHeight || !bits || !compression || !colorsUsed)
    return {};
  if (*compression != 0) return {};  // BI_RGB only: icons use nothing else
  const qint64 w = *width;
  const qint64 h = qAbs(qint64(*doubledHeight)) / 2;
  if (w <= 0 || w > kMaxSide || h <= 0 || h > kMaxSide) return {};
  const int bpp = *bits;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return {};

  qint64 paletteSize = 0;
  if (bpp <= 8) {
    paletteSize = *colorsUsed ? qint64(*colorsUsed) : (qint64(1) << bpp);
    if (paletteSize > 256) return {};
  }
  const qint64 paletteAt = *headerSize;
  const qint64 xorAt = paletteAt + paletteSize * 4;
  const qint64 xorRow = rowBytes(w, bpp);
  const qint64 andAt = xorAt + xorRow * h;
  const qint64 andRow = rowBytes(w, 1);
  if (!d.has(paletteAt, paletteSize * 4) || !d.has(xorAt, xorRow * h)) return {};
  // A 32-bit image carries its own alpha; the mask may then be missing.
  const bool hasMask = d.has(andAt, andRow * h);
  if (!hasMask && bpp != 32) return {};

  const auto* p = reinterpret_cast<const uchar*>(bytes.data());
  QImage image(int(w), int(h), QImage::Format_ARGB32);
  if (image.isNull()) return {};
  bool anyAlpha = false;
  for (qint64 y = 0; y < h; ++y) {
    // Rows are stored bottom-up.
    const uchar* row = p + xorAt + (h - 1 - y) * xorRow;
    auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
    for (qint64 x = 0; x < w; ++x) {
      QRgb c = 0;
      if (bpp == 32) {
        const uchar* px = row + x * 4;
        c = qRgba(px[2], px[1], px[0], px[3]);
        anyAlpha = anyAlpha || px[3] != 0;
      } else if (bpp == 24) {
        const uchar* px = row + x * 3;
        c = qRgb(px[2], px[1], px[0]);
      } else {
        const int perByte = 8 / bpp;
        const uchar byte = row[x / perByte];
        const int shift = 8 - bpp * (int(x % perByte) + 1);
        const qint64 index = (byte >> shift) & ((1 << bpp) - 1);
        if (index < paletteSize) {
          const uchar* pal = p + paletteAt + index * 4;
          c = qRgb(pal[2], pal[1], pal[0]);
        }
      }
      out[x] = c;
    }
  }
  // The mask decides transparency unless the colour data had alpha of its
  // own; a 32-bit image with alpha all zero is an old-style masked icon.
  const bool useMask = hasMask && !(bpp == 32 && anyAlpha);
  if (useMask) {
    for (qint64 y = 0; y < h; ++y) {
      const uchar* row = p + andAt + (h - 1 - y) * andRow;
      auto* out = reinterpret_cast<QRgb*>(image.scanLine(int(y)));
      for (qint64 x = 0; x < w; ++x) {
        const bool transparent = (row[x / 8] >> (7 - x % 8)) & 1;
        out[x] = transparent ? 0u : (out[x] | 0xFF000000u);
      }
    }
  }
  return image;
}

}  // namespace

QImage decodeIconImage(QByteArrayView data) {
  if (data.size() >= 8 && data.first(8) == QByteArrayView("\x89PNG\r\n\x1a\n", 8)) return decodePng(data);
  return decodeDib(data);
}

QByteArray encodeIconImage(const QImage& source) {
  const QImage image = source.convertToFormat(QImage::Format_ARGB32);
  const int w = image.width();
  const int h = image.height();
  const qint64 xorRow = rowBytes(w, 32);
  const qint64 andRow = rowBytes(w, 1);
  QByteArray out(40 + xorRow * h + andRow * h, '\0');
  auto* p = reinterpret_cast<uchar*>(out.data());
  qToLittleEndian<quint32>(40, p);
  qToLittleEndian<qint32>(w, p + 4);
  qToLittleEndian<qint32>(h * 2, p + 8);
  qToLittleEndian<quint16>(1, p + 12);
  qToLittleEndian<quint16>(32, p + 14);
  qToLittleEndian<quint32>(quint32(xorRow * h + andRow * h), p + 20);
  uchar* xorBits = p + 40;
  uchar* andBits = xorBits + xorRow * h;
  for (int y = 0; y < h; ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uchar* row = xorBits + (h - 1 - y) * xorRow;
    uchar* mask = andBits + (h - 1 - y) * andRow;
    for (int x = 0; x < w; ++x) {
      row[x * 4 + 0] = uchar(qBlue(in[x]));
      row[x * 4 + 1] = uchar(qGreen(in[x]));
      row[x * 4 + 2] = uchar(qRed(in[x]));
      row[x * 4 + 3] = uchar(qAlpha(in[x]));
      if (qAlpha(in[x]) == 0) mask[x / 8] |= uchar(0x80 >> (x % 8));
    }
  }
  return out;
}

}  // namespace sono::pe
