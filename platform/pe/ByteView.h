#pragma once
// Little-endian reads over a byte range that never leave it. Every read says
// whether it fitted; the parsers of untrusted files (modules, icons,
// language files) read through this and nothing else.

#include <QByteArrayView>
#include <QtEndian>

#include <cstdint>
#include <optional>

namespace sono::pe {

class ByteView {
 public:
  ByteView() = default;
  explicit ByteView(QByteArrayView data) : data_(data) {}

  qint64 size() const { return data_.size(); }
  QByteArrayView bytes() const { return data_; }

  // Whether [offset, offset + length) lies inside; overflow-safe.
  bool has(qint64 offset, qint64 length) const {
    return offset >= 0 && length >= 0 && offset <= data_.size() && length <= data_.size() - offset;
  }
  std::optional<QByteArrayView> slice(qint64 offset, qint64 length) const {
    if (!has(offset, length)) return std::nullopt;
    return data_.sliced(offset, length);
  }
  std::optional<quint8> u8(qint64 offset) const {
    if (!has(offset, 1)) return std::nullopt;
    return static_cast<quint8>(data_[offset]);
  }
  std::optional<quint16> u16(qint64 offset) const {
    if (!has(offset, 2)) return std::nullopt;
    return qFromLittleEndian<quint16>(data_.data() + offset);
  }
  std::optional<quint32> u32(qint64 offset) const {
    if (!has(offset, 4)) return std::nullopt;
    return qFromLittleEndian<quint32>(data_.data() + offset);
  }
  std::optional<qint32> i32(qint64 offset) const {
    if (!has(offset, 4)) return std::nullopt;
    return qFromLittleEndian<qint32>(data_.data() + offset);
  }

 private:
  QByteArrayView data_;
};

}  // namespace sono::pe
