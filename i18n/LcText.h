#pragma once
// UTF-16LE texts inside language-file resources, read in place.

#include "platform/pe/ByteView.h"

#include <QString>

#include <optional>

namespace sono::i18n {

// `length` bytes at `offset` of `data` as UTF-16LE (two bytes per unit);
// nullopt when the range is negative, odd or outside the data.
inline std::optional<QString> readUtf16(const pe::ByteView& data, qint64 offset, qint64 length) {
  if (length < 0 || length % 2 != 0) return std::nullopt;
  const auto bytes = data.slice(offset, length);
  if (!bytes) return std::nullopt;
  QString s(length / 2, Qt::Uninitialized);
  for (qint64 i = 0; i < length / 2; ++i) s[i] = QChar(qFromLittleEndian<quint16>(bytes->data() + 2 * i));
  return s;
}

}  // namespace sono::i18n
