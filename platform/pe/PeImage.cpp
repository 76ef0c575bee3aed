#include "platform/pe/PeImage.h"

namespace sono::pe {
namespace {

constexpr quint16 kPe32Magic = 0x10B;
constexpr quint16 kPe32PlusMagic = 0x20B;
constexpr int kResourceDirectoryIndex = 2;
// The system's loader refuses modules with more sections than this.
constexpr int kMaxSections = 96;

}  // namespace

PeImage::~PeImage() = default;

std::unique_ptr<PeImage> PeImage::open(const QString& path) {
  auto file = std::make_unique<QFile>(path);
  if (!file->open(QIODevice::ReadOnly)) return nullptr;
  const qint64 size = file->size();
  if (size <= 0) return nullptr;
  uchar* mapped = file->map(0, size);
  std::unique_ptr<PeImage> image(new PeImage);
  if (mapped) {
    image->data_ = ByteView(QByteArrayView(reinterpret_cast<const char*>(mapped), size));
  } else {
    // Some file systems cannot map; reading is the fallback.
    image->owned_ = file->readAll();
    image->data_ = ByteView(QByteArrayView(image->owned_));
  }
  image->file_ = std::move(file);
  if (!image->parse()) return nullptr;
  return image;
}

std::unique_ptr<PeImage> PeImage::fromBytes(QByteArray bytes) {
  std::unique_ptr<PeImage> image(new PeImage);
  image->owned_ = std::move(bytes);
  image->data_ = ByteView(QByteArrayView(image->owned_));
  if (!image->parse()) return nullptr;
  return image;
}

bool PeImage::parse() {
  const auto mz = data_.u16(0);
  if (!mz || *mz != 0x5A4D) return false;  // "MZ"
  const auto lfanew = data_.u32(0x3C);
  if (!lfanew) return false;
  const qint64 pe = *lfanew;
  const auto sig = data_.u32(pe);
  if (!sig || *sig != 0x00004550) return false;  // "PE\0\0"
  const qint64 coff = pe + 4;
  const auto sectionCount = data_.u16(coff + 2);
  const auto optSize = data_.u16(coff + 16);
  if (!sectionCount || !optSize) return false;
  const qint64 opt = coff + 20;
  const auto magic = data_.u16(opt);
  if (!magic || (*magic != kPe32Magic && *magic != kPe32PlusMagic)) return false;
  pe32Plus_ = *magic == kPe32PlusMagic;

  const qint64 rvaCountAt = opt + (pe32Plus_ ? 108 : 92);
  const qint64 dirsAt = opt + (pe32Plus_ ? 112 : 96);
  const auto rvaCount = data_.u32(rvaCountAt);
  if (!rvaCount || rvaCountAt + 4 > opt + *optSize) return false;

  const qint64 sectionsAt = opt + *optSize;
  if (*sectionCount > kMaxSections || !data_.has(sectionsAt, qint64(*sectionCount) * 40)) return false;
  for (int i = 0; i < *sectionCount; ++i) {
    const qint64 s = sectionsAt + qint64(i) * 40;
    sections_.append({*data_.u32(s + 12), *data_.u32(s + 8), *data_.u32(s + 20), *data_.u32(s + 16)});
  }

  // A module without a resource directory is still a module; it just has
  // no resources.
  if (*rvaCount <= kResourceDirectoryIndex) return true;
  const qint64 dirAt = dirsAt + kResourceDirectoryIndex * 8;
  if (dirAt + 8 > opt + *optSize) return true;
  const auto rsrcRva = data_.u32(dirAt);
  if (!rsrcRva || *rsrcRva == 0) return true;
  // The resource tree's offsets count from its root and stay inside the
  // section that holds it.
  for (const Section& s : sections_) {
    if (*rsrcRva < s.virtualAddress || *rsrcRva - s.virtualAddress >= s.rawSize) continue;
    const qint64 root = qint64(s.rawOffset) + (*rsrcRva - s.virtualAddress);
    const qint64 end = qMin(qint64(s.rawOffset) + s.rawSize, data_.size());
    if (root >= end) return true;
    rsrc_ = ByteView(data_.bytes().sliced(root, end - root));
    rsrcOffset_ = root;
    return true;
  }
  return true;
}

std::optional<qint64> PeImage::rvaToOffset(quint32 rva, quint32 length) const {
  for (const Section& s : sections_) {
    if (rva < s.virtualAddress) continue;
    const quint64 into = quint64(rva) - s.virtualAddress;
    if (into >= s.rawSize || length > s.rawSize - into) continue;
    const qint64 offset = qint64(s.rawOffset) + qint64(into);
    if (!data_.has(offset, length)) return std::nullopt;
    return offset;
  }
  return std::nullopt;
}

QList<PeImage::DirEntry> PeImage::directory(quint32 offset) const {
  QList<DirEntry> out;
  const auto named = rsrc_.u16(qint64(offset) + 12);
  const auto ids = rsrc_.u16(qint64(offset) + 14);
  if (!named || !ids) return out;
  const qint64 count = qint64(*named) + *ids;
  const qint64 first = qint64(offset) + 16;
  if (!rsrc_.has(first, count * 8)) return out;
  out.reserve(count);
  for (qint64 i = 0; i < count; ++i) {
    const quint32 nameField = *rsrc_.u32(first + i * 8);
    const quint32 target = *rsrc_.u32(first + i * 8 + 4);
    DirEntry e{{}, (target & 0x80000000u) != 0, target & 0x7FFFFFFFu};
    if (nameField & 0x80000000u) {
      const qint64 at = nameField & 0x7FFFFFFFu;
      const auto len = rsrc_.u16(at);
      if (!len) continue;
      const auto chars = rsrc_.slice(at + 2, qint64(*len) * 2);
      if (!chars) continue;
      QString name(*len, Qt::Uninitialized);
      for (int c = 0; c < *len; ++c) name[c] = QChar(qFromLittleEndian<quint16>(chars->data() + 2 * c));
      e.name = ResourceName::fromString(name);
    } else {
      e.name = ResourceName::fromId(static_cast<quint16>(nameField & 0xFFFF));
    }
    out.append(e);
  }
  return out;
}

std::optional<PeImage::DirEntry> PeImage::find(quint32 dirOffset, const ResourceName& name) const {
  for (const DirEntry& e : directory(dirOffset)) {
    if (e.name.matches(name)) return e;
  }
  return std::nullopt;
}

std::optional<QByteArrayView> PeImage::dataEntry(const DirEntry& entry, int depth) const {
  if (entry.isDirectory) {
    // Below the name level come the languages; the first one is taken. The
    // depth bound keeps a directory that points at itself from looping.
    if (depth >= 2) return std::nullopt;
    const QList<DirEntry> langs = directory(entry.offset);
    if (langs.isEmpty()) return std::nullopt;
    return dataEntry(langs.first(), depth + 1);
  }
  const auto rva = rsrc_.u32(entry.offset);
  const auto size = rsrc_.u32(qint64(entry.offset) + 4);
  if (!rva || !size) return std::nullopt;
  const auto at = rvaToOffset(*rva, *size);
  if (!at) return std::nullopt;
  return data_.slice(*at, *size);
}

QList<ResourceName> PeImage::resourceNames(const ResourceName& type) const {
  QList<ResourceName> out;
  if (!hasResources()) return out;
  const auto typeDir = find(0, type);
  if (!typeDir || !typeDir->isDirectory) return out;
  for (const DirEntry& e : directory(typeDir->offset)) out.append(e.name);
  return out;
}

std::optional<QByteArrayView> PeImage::resource(const ResourceName& type, const ResourceName& name) const {
  if (!hasResources()) return std::nullopt;
  const auto typeDir = find(0, type);
  if (!typeDir || !typeDir->isDirectory) return std::nullopt;
  const auto entry = find(typeDir->offset, name);
  if (!entry) return std::nullopt;
  return dataEntry(*entry, 1);
}

}  // namespace sono::pe
