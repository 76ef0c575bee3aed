#pragma once
// A value as the system stores it: null, an integer or an 8-bit byte
// string in the database's code page.

#include <QByteArray>

#include <cstdint>
#include <variant>

namespace sono::fb {

class FbValue {
 public:
  FbValue() = default;
  FbValue(std::int64_t v) : v_(v) {}  // NOLINT(google-explicit-constructor)
  FbValue(int v) : v_(static_cast<std::int64_t>(v)) {}  // NOLINT(google-explicit-constructor)
  FbValue(QByteArray v) : v_(std::move(v)) {}  // NOLINT(google-explicit-constructor)

  bool isNull() const { return std::holds_alternative<std::monostate>(v_); }
  bool isInteger() const { return std::holds_alternative<std::int64_t>(v_); }
  bool isBytes() const { return std::holds_alternative<QByteArray>(v_); }

  // Integer reading as the dataset fields do it: null reads 0, text is
  // parsed (0 when it is not a number).
  std::int64_t toInteger() const;
  // Bytes reading: null reads empty, an integer its decimal text.
  QByteArray toBytes() const;

  bool operator==(const FbValue& o) const { return v_ == o.v_; }

 private:
  std::variant<std::monostate, std::int64_t, QByteArray> v_;
};

}  // namespace sono::fb
