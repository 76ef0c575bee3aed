#include "platform/text/CodePage.h"

#include <unicode/ucnv.h>

#include <memory>
#include <vector>

namespace sono::text {
namespace {

struct ConverterCloser {
  void operator()(UConverter* c) const { ucnv_close(c); }
};
using Converter = std::unique_ptr<UConverter, ConverterCloser>;

Converter openExact(int codePage) {
  UErrorCode status = U_ZERO_ERROR;
  const QByteArray name = "windows-" + QByteArray::number(codePage);
  Converter c(ucnv_open(name.constData(), &status));
  if (U_FAILURE(status)) {
    status = U_ZERO_ERROR;
    c.reset(ucnv_open(("cp" + QByteArray::number(codePage)).constData(), &status));
  }
  if (U_FAILURE(status)) return nullptr;
  return c;
}

Converter open(int codePage) {
  if (auto c = openExact(codePage)) return c;
  return openExact(kDefaultCodePage);
}

}  // namespace

bool isKnownCodePage(int codePage) { return codePage > 0 && openExact(codePage) != nullptr; }

QString fromAnsi(const QByteArray& bytes, int codePage) {
  if (bytes.isEmpty()) return {};
  Converter c = open(codePage);
  if (!c) return QString::fromLatin1(bytes);
  std::vector<UChar> out(static_cast<size_t>(bytes.size()) * 2 + 4);
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = ucnv_toUChars(c.get(), out.data(), static_cast<int32_t>(out.size()), bytes.constData(),
                                  static_cast<int32_t>(bytes.size()), &status);
  if (U_FAILURE(status)) return QString::fromLatin1(bytes);
  return QString(reinterpret_cast<const QChar*>(out.data()), n);
}

QByteArray toAnsi(const QString& text, int codePage) {
  if (text.isEmpty()) return {};
  Converter c = open(codePage);
  if (!c) return text.toLatin1();
  UErrorCode status = U_ZERO_ERROR;
  ucnv_setSubstChars(c.get(), "?", 1, &status);
  status = U_ZERO_ERROR;
  QByteArray out(text.size() * 4 + 8, Qt::Uninitialized);
  const int32_t n = ucnv_fromUChars(c.get(), out.data(), static_cast<int32_t>(out.size()),
                                    reinterpret_cast<const UChar*>(text.utf16()), static_cast<int32_t>(text.size()),
                                    &status);
  if (U_FAILURE(status)) return text.toLatin1();
  out.truncate(n);
  return out;
}

}  // namespace sono::text
