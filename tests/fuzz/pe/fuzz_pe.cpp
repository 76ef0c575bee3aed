// The PE reader, icon directories and icon images on arbitrary bytes: as a
// module, as an icon file and as one icon image.

#include "platform/pe/IconFile.h"
#include "platform/pe/IconImage.h"
#include "platform/pe/PeImage.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  using namespace sono::pe;
  if (auto module = PeImage::fromBytes(bytes)) {
    for (const ResourceName& type : {ResourceName(RtRcData), ResourceName(RtGroupIcon), ResourceName(RtIcon)}) {
      for (const ResourceName& name : module->resourceNames(type)) {
        if (auto r = module->resource(type, name)) (void)parseIconDirectory(*r, true);
      }
    }
    (void)module->rcdata(QStringLiteral("LCHEADER"));
    for (int i = 0; i < 4; ++i) (void)extractIcon(*module, i);
  }
  (void)iconFromIcoData(bytes);
  (void)decodeIconImage(bytes);
  return 0;
}
