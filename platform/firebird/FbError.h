#pragma once
// The error every call into the Firebird layer raises: it carries the
// database's own message text (as the client library formats it).

#include <QString>

#include <stdexcept>

namespace sono::fb {

class FbError : public std::runtime_error {
 public:
  explicit FbError(const QString& message, int sqlCode = 0)
      : std::runtime_error(message.toStdString()), message_(message), sqlCode_(sqlCode) {}
  const QString& message() const { return message_; }
  int sqlCode() const { return sqlCode_; }

 private:
  QString message_;
  int sqlCode_;
};

}  // namespace sono::fb
