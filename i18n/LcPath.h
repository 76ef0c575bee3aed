#pragma once
// The property path of a class-resource entry (the key after its first
// "-"): elements separated by ".", each one of
//   Name      a published property of the current object
//   Name(i)   line i of the string-list property Name
//   Name<i>   item i of the collection property Name
// An element is a "Name<i>" when it holds a "<" anywhere, else a "Name(i)"
// when it holds a "(", else a plain name.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace sono::i18n {

struct LcElement {
  enum Kind { Plain, Line, Item };
  QByteArray name;
  Kind kind = Plain;
  int index = 0;  // Line and Item only
};

// The path's elements, split at each "." (without reading them).
QList<QByteArrayView> LcSplitPath(QByteArrayView path);

// One element read: its name, kind and index. The index runs from after
// the bracket to the matching closing bracket, or to the end of the
// element. Throws ELcTranslateError when it is not a decimal integer.
LcElement LcReadElement(QByteArrayView element);

}  // namespace sono::i18n
