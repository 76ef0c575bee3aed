// The language-file layer on arbitrary modules: header, enumeration, every
// string resource the built-in table knows, and class resources.

#include "i18n/BuiltinStrings.h"
#include "i18n/LcClassResource.h"
#include "i18n/LcUnit.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

namespace {
qint32 collect(qint32, void*) { return 1; }
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  using namespace sono;
  for (const qint32 lang : {1046, 1033, 3082, 1041}) {
    if (i18n::LcSetLanguage(pe::PeImage::fromBytes(bytes), lang, collect, nullptr) != 1) continue;
    const i18n::TLcf* lcf = i18n::LcCurrentLanguage();
    for (quint16 id = 1000; id < 1030; ++id) {
      QByteArray text;
      i18n::LcLoadResString({i18n::builtinModule(), id}, text);
      (void)i18n::LoadResString({i18n::builtinModule(), id});
    }
    for (const pe::ResourceName& name : lcf->Module->resourceNames(pe::RtRcData)) {
      if (name.isString()) (void)i18n::LcClassEntries(*lcf, name.string());
    }
  }
  i18n::LcReleaseLanguage();
  return 0;
}
