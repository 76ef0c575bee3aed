#pragma once
// The reading side of window translation: the class resources of the
// current language's file. A class resource is named by the class name in
// upper case and holds a table of entries, each a key ("Name-Path") and one
// text per language. The translation of a window collects these entries
// for its class chain and applies them.

#include "i18n/LcUnit.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>

#include <optional>

namespace sono::i18n {

// One entry of a class resource, read for the current language's entry
// column.
struct TProp {
  const TLcf* Language = nullptr;  // not owned
  QByteArray ComponentName;        // 8-bit, up to the key's first "-"
  QByteArray PropertyPath;         // 8-bit, after it up to the next "-" or the end
  QString Text;                    // the translation, when HasText
  bool HasText = false;            // the entry has a text (length 0 or more) for the language
};

// The class resource of `className` (looked up in upper case), in place;
// nullopt when the file has none.
std::optional<QByteArrayView> LcFindClassResource(const TLcf& lcf, const QString& className);

// The resource's entries from the last table entry to the first, the order
// the translation applies them in. Entries whose table slot, key or text
// lies outside the resource are left out; a negative count means none.
QList<TProp> LcReadClassEntries(const TLcf& lcf, QByteArrayView resource);

// Both steps for one class: nullopt when the file has no resource for it.
std::optional<QList<TProp>> LcClassEntries(const TLcf& lcf, const QString& className);

// The key's two parts: component name and property path.
struct LcKey {
  QByteArray component;
  QByteArray path;
};
LcKey LcSplitKey(QByteArrayView key);

}  // namespace sono::i18n
