#pragma once
// A Windows PE module (PE32 or PE32+) opened as a data file: nothing in it
// runs and nothing is relocated; only its resources are read. The file is
// mapped, not copied, and every offset and length taken from it is checked
// against its bounds, so a damaged or hostile file gives "not found", never
// a read outside it.

#include "platform/pe/ByteView.h"
#include "platform/pe/ResourceName.h"

#include <QByteArray>
#include <QFile>
#include <QList>

#include <memory>
#include <optional>

namespace sono::pe {

class PeImage {
 public:
  // nullptr when the file cannot be read or is not a PE module.
  static std::unique_ptr<PeImage> open(const QString& path);
  static std::unique_ptr<PeImage> fromBytes(QByteArray bytes);

  PeImage(const PeImage&) = delete;
  PeImage& operator=(const PeImage&) = delete;
  ~PeImage();

  bool isPe32Plus() const { return pe32Plus_; }
  bool hasResources() const { return rsrcOffset_ >= 0; }

  // The names of the resources of one type, in directory order (string
  // names first, then numbers ascending, as the writer sorts them).
  QList<ResourceName> resourceNames(const ResourceName& type) const;

  // The data of a resource in its first language, as a view into the
  // mapped file (valid while this object lives). nullopt when the resource
  // does not exist or any part of it lies outside the file.
  std::optional<QByteArrayView> resource(const ResourceName& type, const ResourceName& name) const;

  // RCDATA (type 10) by string name.
  std::optional<QByteArrayView> rcdata(const QString& name) const {
    return resource(RtRcData, ResourceName::fromString(name));
  }

 private:
  struct Section {
    quint32 virtualAddress;
    quint32 virtualSize;
    quint32 rawOffset;
    quint32 rawSize;
  };
  struct DirEntry {
    ResourceName name;
    bool isDirectory;
    quint32 offset;  // from the resource root
  };

  PeImage() = default;
  bool parse();
  std::optional<qint64> rvaToOffset(quint32 rva, quint32 length) const;
  QList<DirEntry> directory(quint32 offset) const;
  std::optional<DirEntry> find(quint32 dirOffset, const ResourceName& name) const;
  std::optional<QByteArrayView> dataEntry(const DirEntry& entry, int depth) const;

  std::unique_ptr<QFile> file_;
  QByteArray owned_;
  ByteView data_;
  ByteView rsrc_;  // the resource section from its root on
  qint64 rsrcOffset_ = -1;
  bool pe32Plus_ = false;
  QList<Section> sections_;
};

}  // namespace sono::pe
