#include "i18n/LcClassResource.h"

#include "i18n/LcText.h"
#include "platform/pe/ByteView.h"

namespace sono::i18n {

std::optional<QByteArrayView> LcFindClassResource(const TLcf& lcf, const QString& className) {
  if (!lcf.Module || className.isEmpty()) return std::nullopt;
  return lcf.Module->rcdata(className.toUpper());
}

LcKey LcSplitKey(QByteArrayView key) {
  const qsizetype dash = key.indexOf('-');
  if (dash < 0) return {key.toByteArray(), {}};
  QByteArrayView rest = key.sliced(dash + 1);
  const qsizetype next = rest.indexOf('-');
  if (next >= 0) rest = rest.first(next);
  return {key.first(dash).toByteArray(), rest.toByteArray()};
}

QList<TProp> LcReadClassEntries(const TLcf& lcf, QByteArrayView resource) {
  QList<TProp> out;
  const pe::ByteView d(resource);
  const auto textLength = d.i32(0);
  if (!textLength || *textLength < 0) return out;
  const qint64 countAt = 4 + qint64(*textLength);
  const auto count = d.i32(countAt);
  if (!count || *count <= 0) return out;
  const qint64 table = countAt + 4;
  // Only slotCount that lie inside the resource are read; a count larger than
  // the data is a damaged file, not a reason to read beyond it.
  const qint64 slotCount = qMin<qint64>(*count, (d.size() - table) / 8);
  const qint64 column = lcf.EntryColumn;
  for (qint64 i = slotCount - 1; i >= 0; --i) {
    const qint64 entry = table + *d.i32(table + 8 * i);
    const auto keyOffset = d.i32(entry);
    const auto keyLength = d.i32(entry + 4);
    const auto textOffset = d.i32(entry + 8 + 8 * column);
    const auto length = d.i32(entry + 12 + 8 * column);
    if (!keyOffset || !keyLength || !textOffset || !length) continue;
    const auto key = d.slice(entry + *keyOffset, *keyLength);
    if (!key) continue;
    TProp p;
    p.Language = &lcf;
    const LcKey parts = LcSplitKey(*key);
    p.ComponentName = parts.component;
    p.PropertyPath = parts.path;
    if (*length >= 0) {
      const auto t = readUtf16(d, entry + *textOffset, *length);
      if (!t) continue;
      p.Text = *t;
      p.HasText = true;
    }
    out.append(p);
  }
  return out;
}

std::optional<QList<TProp>> LcClassEntries(const TLcf& lcf, const QString& className) {
  const auto resource = LcFindClassResource(lcf, className);
  if (!resource) return std::nullopt;
  return LcReadClassEntries(lcf, *resource);
}

}  // namespace sono::i18n
