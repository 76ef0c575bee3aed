#pragma once

#include <QString>
#include <stdexcept>

// Raised by the reader and the output when a file cannot be opened or the
// device cannot play; what() is the message in UTF-8 ("WaveOutOpen: …").
class EMMError : public std::runtime_error {
 public:
  explicit EMMError(const QString& message) : std::runtime_error(message.toStdString()) {}
  QString message() const { return QString::fromStdString(what()); }
};
