#include "i18n/LcPath.h"

#include "i18n/LcError.h"

#include <limits>

namespace sono::i18n {
namespace {

// A decimal integer with an optional sign, nothing else around it.
bool parseIndex(QByteArrayView text, int& out) {
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  if (i == text.size()) return false;
  qint64 v = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return false;
    v = v * 10 + (c - '0');
    if (v > qint64(std::numeric_limits<int>::max()) + 1) return false;
  }
  if (negative) v = -v;
  if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return false;
  out = int(v);
  return true;
}

}  // namespace

QList<QByteArrayView> LcSplitPath(QByteArrayView path) {
  QList<QByteArrayView> out;
  qsizetype start = 0;
  for (;;) {
    const qsizetype dot = path.indexOf('.', start);
    if (dot < 0) {
      out.append(path.sliced(start));
      return out;
    }
    out.append(path.sliced(start, dot - start));
    start = dot + 1;
  }
}

LcElement LcReadElement(QByteArrayView element) {
  LcElement e;
  char open = 0;
  char close = 0;
  if (element.contains('<')) {
    e.kind = LcElement::Item;
    open = '<';
    close = '>';
  } else if (element.contains('(')) {
    e.kind = LcElement::Line;
    open = '(';
    close = ')';
  } else {
    e.name = element.toByteArray();
    return e;
  }
  const qsizetype at = element.indexOf(open);
  e.name = element.first(at).toByteArray();
  const qsizetype from = at + 1;
  qsizetype to = element.indexOf(close, from);
  if (to < 0) to = element.size();
  const QByteArrayView index = element.sliced(from, to - from);
  if (!parseIndex(index, e.index))
    throw ELcTranslateError("'" + index.toByteArray().toStdString() + "' is not a valid index in '" +
                            element.toByteArray().toStdString() + "'");
  return e;
}

}  // namespace sono::i18n
