#include "platform/pe/PeWriter.h"

#include "platform/pe/IconImage.h"

#include <QSaveFile>
#include <QtEndian>

#include <algorithm>
#include <map>

namespace sono::pe {
namespace {

constexpr quint32 kSectionAlignment = 0x1000;
constexpr quint32 kFileAlignment = 0x200;
constexpr quint32 kHeaderSize = 0x200;
constexpr quint32 kPeOffset = 0x80;

quint32 alignUp(quint32 v, quint32 a) { return (v + a - 1) / a * a; }

void put16(QByteArray& b, qint64 at, quint16 v) { qToLittleEndian<quint16>(v, b.data() + at); }
void put32(QByteArray& b, qint64 at, quint32 v) { qToLittleEndian<quint32>(v, b.data() + at); }
void put64(QByteArray& b, qint64 at, quint64 v) { qToLittleEndian<quint64>(v, b.data() + at); }

// Directory order: string names first, ordered as the system's lookup
// expects (upper-case ordinal), then numbers ascending.
bool nameLess(const ResourceName& a, const ResourceName& b) {
  if (a.isString() != b.isString()) return a.isString();
  if (a.isString()) return a.string().toUpper() < b.string().toUpper();
  return a.id() < b.id();
}
struct NameLess {
  bool operator()(const ResourceName& a, const ResourceName& b) const { return nameLess(a, b); }
};

using LangMap = std::map<quint16, const QByteArray*>;
using NameMap = std::map<ResourceName, LangMap, NameLess>;
using TypeMap = std::map<ResourceName, NameMap, NameLess>;

// Serialises the resource tree for a section at `sectionRva`: directories,
// then data entries, then name strings, then the data itself.
QByteArray resourceTree(const TypeMap& types, quint32 sectionRva) {
  quint32 dirBytes = 16 + 8 * quint32(types.size());
  quint32 leafCount = 0;
  quint32 stringBytes = 0;
  quint32 dataBytes = 0;
  auto countName = [&](const ResourceName& n) {
    if (n.isString()) stringBytes += 2 + 2 * quint32(n.string().size());
  };
  for (const auto& [type, names] : types) {
    countName(type);
    dirBytes += 16 + 8 * quint32(names.size());
    for (const auto& [name, langs] : names) {
      countName(name);
      dirBytes += 16 + 8 * quint32(langs.size());
      leafCount += quint32(langs.size());
      for (const auto& [lang, data] : langs) dataBytes += alignUp(quint32(data->size()), 8);
    }
  }
  const quint32 leafAt = dirBytes;
  const quint32 stringsAt = leafAt + 16 * leafCount;
  const quint32 dataAt = alignUp(stringsAt + stringBytes, 8);
  QByteArray out(dataAt + dataBytes, '\0');

  quint32 nextDir = 0;
  quint32 nextLeaf = leafAt;
  quint32 nextString = stringsAt;
  quint32 nextData = dataAt;
  auto writeName = [&](qint64 entryAt, const ResourceName& n) {
    if (!n.isString()) {
      put32(out, entryAt, n.id());
      return;
    }
    put32(out, entryAt, 0x80000000u | nextString);
    put16(out, nextString, quint16(n.string().size()));
    for (int i = 0; i < n.string().size(); ++i) put16(out, nextString + 2 + 2 * i, n.string().at(i).unicode());
    nextString += 2 + 2 * quint32(n.string().size());
  };
  auto writeDirHeader = [&](quint32 at, const auto& children) {
    int named = 0;
    for (const auto& child : children) named += child.first.isString() ? 1 : 0;
    put16(out, at + 12, quint16(named));
    put16(out, at + 14, quint16(children.size() - named));
  };

  const quint32 root = nextDir;
  nextDir += 16 + 8 * quint32(types.size());
  writeDirHeader(root, types);
  int t = 0;
  for (const auto& [type, names] : types) {
    const qint64 typeEntry = root + 16 + 8 * t++;
    writeName(typeEntry, type);
    const quint32 typeDir = nextDir;
    nextDir += 16 + 8 * quint32(names.size());
    put32(out, typeEntry + 4, 0x80000000u | typeDir);
    writeDirHeader(typeDir, names);
    int n = 0;
    for (const auto& [name, langs] : names) {
      const qint64 nameEntry = typeDir + 16 + 8 * n++;
      writeName(nameEntry, name);
      const quint32 langDir = nextDir;
      nextDir += 16 + 8 * quint32(langs.size());
      put32(out, nameEntry + 4, 0x80000000u | langDir);
      put16(out, langDir + 14, quint16(langs.size()));
      int l = 0;
      for (const auto& [lang, data] : langs) {
        const qint64 langEntry = langDir + 16 + 8 * l++;
        put32(out, langEntry, lang);
        put32(out, langEntry + 4, nextLeaf);
        put32(out, nextLeaf, sectionRva + nextData);
        put32(out, nextLeaf + 4, quint32(data->size()));
        nextLeaf += 16;
        std::copy(data->begin(), data->end(), out.begin() + nextData);
        nextData += alignUp(quint32(data->size()), 8);
      }
    }
  }
  return out;
}

}  // namespace

void PeWriter::addResource(const ResourceName& type, const ResourceName& name, const QByteArray& data,
                           quint16 language) {
  for (Resource& r : resources_) {
    if (r.type.matches(type) && r.name.matches(name) && r.language == language) {
      r.data = data;
      return;
    }
  }
  resources_.append({type, name, language, data});
}

void PeWriter::addIconGroup(const ResourceName& name, const QList<QImage>& images) {
  QByteArray group(6 + 14 * images.size(), '\0');
  put16(group, 2, 1);
  put16(group, 4, quint16(images.size()));
  for (int i = 0; i < images.size(); ++i) {
    const QByteArray bits = encodeIconImage(images[i]);
    const quint16 id = nextIconId_++;
    addResource(RtIcon, ResourceName::fromId(id), bits);
    const qint64 at = 6 + 14 * i;
    group[at] = char(images[i].width() >= 256 ? 0 : images[i].width());
    group[at + 1] = char(images[i].height() >= 256 ? 0 : images[i].height());
    put16(group, at + 4, 1);
    put16(group, at + 6, 32);
    put32(group, at + 8, quint32(bits.size()));
    put16(group, at + 12, id);
  }
  addResource(RtGroupIcon, name, group);
}

QByteArray PeWriter::build(Format format) const {
  TypeMap types;
  for (const Resource& r : resources_) types[r.type][r.name][r.language] = &r.data;
  const quint32 sectionRva = kSectionAlignment;
  const QByteArray tree = resourceTree(types, sectionRva);
  const quint32 rawSize = alignUp(quint32(tree.size()), kFileAlignment);
  const bool plus = format == Format::Pe32Plus;
  const quint16 optSize = plus ? 240 : 224;

  QByteArray out(kHeaderSize + rawSize, '\0');
  out[0] = 'M';
  out[1] = 'Z';
  put32(out, 0x3C, kPeOffset);
  put32(out, kPeOffset, 0x00004550);
  const qint64 coff = kPeOffset + 4;
  put16(out, coff, plus ? 0x8664 : 0x014C);
  put16(out, coff + 2, 1);
  put16(out, coff + 16, optSize);
  // Executable image, DLL; 32-bit machine or large-address-aware.
  put16(out, coff + 18, plus ? 0x2022 : 0x2102);

  const qint64 opt = coff + 20;
  put16(out, opt, plus ? 0x20B : 0x10B);
  out[opt + 2] = 14;
  put32(out, opt + 8, rawSize);  // initialised data
  // The image base sits after the PE32-only "base of data" field; the
  // section alignment is at the same place in both forms.
  if (plus) put64(out, opt + 24, 0x180000000ull);
  else put32(out, opt + 28, 0x10000000u);
  const qint64 at = opt + 32;
  put32(out, at, kSectionAlignment);
  put32(out, at + 4, kFileAlignment);
  put16(out, at + 8, 6);    // OS version
  put16(out, at + 16, 6);   // subsystem version
  put32(out, at + 24, alignUp(sectionRva + quint32(tree.size()), kSectionAlignment));  // size of image
  put32(out, at + 28, kHeaderSize);
  put16(out, at + 36, 2);        // Windows GUI
  put16(out, at + 38, 0x0500);   // NX compatible, no SEH
  const qint64 stack = at + 40;
  const int word = plus ? 8 : 4;
  const quint64 sizes[] = {0x100000, 0x1000, 0x100000, 0x1000};
  for (int i = 0; i < 4; ++i) {
    if (plus) put64(out, stack + i * word, sizes[i]);
    else put32(out, stack + i * word, quint32(sizes[i]));
  }
  const qint64 rvaCount = stack + 4 * word + 4;
  put32(out, rvaCount, 16);
  const qint64 dirs = rvaCount + 4;
  put32(out, dirs + 2 * 8, sectionRva);
  put32(out, dirs + 2 * 8 + 4, quint32(tree.size()));

  const qint64 section = opt + optSize;
  const char name[8] = {'.', 'r', 's', 'r', 'c', 0, 0, 0};
  std::copy(name, name + 8, out.begin() + section);
  put32(out, section + 8, quint32(tree.size()));
  put32(out, section + 12, sectionRva);
  put32(out, section + 16, rawSize);
  put32(out, section + 20, kHeaderSize);
  put32(out, section + 36, 0x40000040u);  // initialised data, readable
  std::copy(tree.begin(), tree.end(), out.begin() + kHeaderSize);
  return out;
}

bool PeWriter::write(const QString& path, Format format) const {
  QSaveFile f(path);
  if (!f.open(QIODevice::WriteOnly)) return false;
  const QByteArray bytes = build(format);
  if (f.write(bytes) != bytes.size()) return false;
  return f.commit();
}

QByteArray buildIcoFile(const QList<QImage>& images) {
  QList<QByteArray> bits;
  for (const QImage& i : images) bits.append(encodeIconImage(i));
  QByteArray out(6 + 16 * images.size(), '\0');
  put16(out, 2, 1);
  put16(out, 4, quint16(images.size()));
  for (int i = 0; i < images.size(); ++i) {
    const qint64 at = 6 + 16 * i;
    out[at] = char(images[i].width() >= 256 ? 0 : images[i].width());
    out[at + 1] = char(images[i].height() >= 256 ? 0 : images[i].height());
    put16(out, at + 4, 1);
    put16(out, at + 6, 32);
    put32(out, at + 8, quint32(bits[i].size()));
    put32(out, at + 12, quint32(out.size()));
    out += bits[i];
  }
  return out;
}

}  // namespace sono::pe
