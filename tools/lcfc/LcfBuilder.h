#pragma once
// Builds the language file (a resource-only module) from the sources of its
// languages, in the order given: that order is the file's language order.

#include "platform/pe/PeWriter.h"
#include "tools/lcfc/LcfSource.h"

#include <QByteArray>
#include <QList>

namespace sono::lcfc {

enum class HeaderKind {
  LcHeader,  // "LCHEADER": code pages are Windows' defaults of the languages
  LcHeade2,  // "LCHEADE2": code pages written in the header
};

struct BuildOptions {
  HeaderKind header = HeaderKind::LcHeader;
  // Flag bit 0: every string resource starts with one extra pair (written
  // as "no text") ahead of the languages' pairs.
  bool extraPair = false;
  pe::PeWriter::Format format = pe::PeWriter::Format::Pe32;
};

QByteArray buildLanguageFile(const QList<LanguageSource>& languages, const BuildOptions& options = {});

}  // namespace sono::lcfc
