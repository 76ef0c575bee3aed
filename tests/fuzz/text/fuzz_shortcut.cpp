// Hotkey texts: reading any text, and writing back what was read.

#include "platform/text/ShortCut.h"

#include <QString>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const QKeyCombination c = sono::text::textToShortCut(text);
  const QString written = sono::text::shortCutToText(c);
  // What is written reads back as the same combination.
  if (!written.isEmpty() && sono::text::textToShortCut(written) != c) __builtin_trap();
  return 0;
}
