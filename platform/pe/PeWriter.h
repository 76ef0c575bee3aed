#pragma once
// Builds resource-only PE modules (the form of icon libraries and language
// files): one ".rsrc" section, no code, no imports, no relocations. The
// project's tools write their modules with this; tests build the modules
// they read with it too.

#include "platform/pe/ResourceName.h"

#include <QByteArray>
#include <QImage>
#include <QList>

namespace sono::pe {

class PeWriter {
 public:
  enum class Format { Pe32, Pe32Plus };

  // Adds (or replaces) a resource. Language 0 is the neutral language.
  void addResource(const ResourceName& type, const ResourceName& name, const QByteArray& data, quint16 language = 0);

  // An icon group of these images (one per size) under `name`; the images
  // become RT_ICON resources with fresh ids.
  void addIconGroup(const ResourceName& name, const QList<QImage>& images);

  QByteArray build(Format format = Format::Pe32) const;
  // Writes build() to `path` through a temporary file; false on failure.
  bool write(const QString& path, Format format = Format::Pe32) const;

 private:
  struct Resource {
    ResourceName type;
    ResourceName name;
    quint16 language;
    QByteArray data;
  };
  QList<Resource> resources_;
  quint16 nextIconId_ = 1;
};

// An .ico file of these images (one per size).
QByteArray buildIcoFile(const QList<QImage>& images);

}  // namespace sono::pe
