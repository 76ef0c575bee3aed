#pragma once
// The error that ends the translation of a window: an entry whose path
// cannot be followed (an index that is not a number, an index outside a
// collection, a "Name<i>" on something that is not a collection). It is
// not caught by the translation; the window that asked for it decides.

#include <stdexcept>
#include <string>

namespace sono::i18n {

class ELcTranslateError : public std::runtime_error {
 public:
  explicit ELcTranslateError(const std::string& what) : std::runtime_error(what) {}
};

}  // namespace sono::i18n
