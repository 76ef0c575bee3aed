#include "platform/pe/IconFile.h"

#include "platform/pe/ByteView.h"
#include "platform/pe/IconImage.h"
#include "platform/pe/PeImage.h"

#include <QFile>

namespace sono::pe {
namespace {

QImage fitted(const QImage& image, int size) {
  if (image.isNull() || size <= 0) return {};
  if (image.width() == size && image.height() == size) return image;
  return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool looksLikeIco(QByteArrayView head) {
  const ByteView d(head);
  const auto reserved = d.u16(0);
  const auto type = d.u16(2);
  return reserved && type && *reserved == 0 && *type == 1;
}

// The whole file only when it starts like an icon file: a button may name
// any file as its icon file, an audio file of many megabytes included.
QByteArray readIcoFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly) || !looksLikeIco(f.peek(4))) return {};
  return f.readAll();
}

}  // namespace

QList<IconDirEntry> parseIconDirectory(QByteArrayView data, bool group) {
  QList<IconDirEntry> out;
  const ByteView d(data);
  const auto reserved = d.u16(0);
  const auto type = d.u16(2);
  const auto count = d.u16(4);
  if (!reserved || !type || !count || *reserved != 0 || *type != 1) return out;
  const qint64 size = group ? 14 : 16;
  if (!d.has(6, qint64(*count) * size)) return out;
  for (int i = 0; i < *count; ++i) {
    const qint64 at = 6 + i * size;
    IconDirEntry e;
    e.width = *d.u8(at) ? *d.u8(at) : 256;
    e.height = *d.u8(at + 1) ? *d.u8(at + 1) : 256;
    e.bitCount = *d.u16(at + 6);
    if (e.bitCount == 0) {
      // Old directories give the palette size instead of the depth.
      const int colors = *d.u8(at + 2);
      e.bitCount = colors == 0 ? 8 : colors <= 2 ? 1 : colors <= 16 ? 4 : 8;
    }
    e.bytes = *d.u32(at + 8);
    e.ref = group ? *d.u16(at + 12) : *d.u32(at + 12);
    out.append(e);
  }
  return out;
}

int chooseIconEntry(const QList<IconDirEntry>& entries, int size) {
  int best = -1;
  auto better = [&](const IconDirEntry& a, const IconDirEntry& b) {
    const bool aExact = a.width == size && a.height == size;
    const bool bExact = b.width == size && b.height == size;
    if (aExact != bExact) return aExact;
    if (aExact) return a.bitCount > b.bitCount;
    const bool aLarger = a.width >= size;
    const bool bLarger = b.width >= size;
    if (aLarger != bLarger) return aLarger;
    if (a.width != b.width) return aLarger ? a.width < b.width : a.width > b.width;
    return a.bitCount > b.bitCount;
  };
  for (int i = 0; i < entries.size(); ++i) {
    if (best < 0 || better(entries[i], entries[best])) best = i;
  }
  return best;
}

QImage iconFromIcoData(QByteArrayView data, int size) {
  const QList<IconDirEntry> entries = parseIconDirectory(data, false);
  const int pick = chooseIconEntry(entries, size);
  if (pick < 0) return {};
  const auto image = ByteView(data).slice(entries[pick].ref, entries[pick].bytes);
  if (!image) return {};
  return fitted(decodeIconImage(*image), size);
}

QImage extractIcon(const PeImage& module, int index, int size) {
  if (index < 0) return {};
  const QList<ResourceName> groups = module.resourceNames(RtGroupIcon);
  if (index >= groups.size()) return {};
  const auto group = module.resource(RtGroupIcon, groups[index]);
  if (!group) return {};
  const QList<IconDirEntry> entries = parseIconDirectory(*group, true);
  const int pick = chooseIconEntry(entries, size);
  if (pick < 0) return {};
  const auto image = module.resource(RtIcon, ResourceName::fromId(quint16(entries[pick].ref)));
  if (!image) return {};
  return fitted(decodeIconImage(*image), size);
}

int iconCount(const QString& path) {
  if (auto module = PeImage::open(path)) return int(module->resourceNames(RtGroupIcon).size());
  const QByteArray data = readIcoFile(path);
  return !parseIconDirectory(data, false).isEmpty() ? 1 : 0;
}

QImage extractIcon(const QString& path, int index, int size) {
  if (index < 0) return {};
  if (auto module = PeImage::open(path)) return extractIcon(*module, index, size);
  if (index != 0) return {};
  return iconFromIcoData(readIcoFile(path), size);
}

}  // namespace sono::pe
