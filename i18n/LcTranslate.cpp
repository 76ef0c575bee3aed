#include "i18n/LcTranslate.h"

#include "i18n/LcClassChain.h"
#include "i18n/LcClassResource.h"
#include "i18n/LcError.h"
#include "i18n/LcPath.h"
#include "i18n/LcProperties.h"
#include "platform/text/CodePage.h"

#include <QDialog>
#include <QMainWindow>
#include <QObject>

#include <memory>
#include <vector>

namespace sono::i18n {
namespace {

// Another window inside this one's object tree (a dialog parented to it)
// owns its own components and is translated on its own.
bool isOtherWindow(const QObject* o) { return qobject_cast<const QMainWindow*>(o) || qobject_cast<const QDialog*>(o); }

QObject* findOwned(QObject* parent, const QString& name) {
  for (QObject* child : parent->children()) {
    if (isOtherWindow(child)) continue;
    if (child->objectName().compare(name, Qt::CaseInsensitive) == 0) return child;
    if (QObject* found = findOwned(child, name)) return found;
  }
  return nullptr;
}

QObject* findComponent(QObject* root, const QString& name) {
  if (root->objectName().compare(name, Qt::CaseInsensitive) == 0) return root;
  if (name.isEmpty()) return nullptr;  // unnamed components cannot be addressed
  return findOwned(root, name);
}

std::string describe(const TProp& p) { return (p.ComponentName + '-' + p.PropertyPath).toStdString(); }

// What an 8-bit write in the system's code page leaves of `text`.
QString throughSystemCodePage(const QString& text) {
  return text::fromAnsi(text::toAnsi(text, text::kDefaultCodePage), text::kDefaultCodePage);
}

// A text property: the system keeps 8-bit texts in its own code page, so
// the translation is written through it; what the property shows now is
// read the same way for the 8-bit kinds. Comparing what would be written
// with what is there keeps a second translation from writing anything.
void writeProperty(TLcObject& object, const TLcPropInfo& prop, const QString& translation) {
  if (!LcIsTextKind(prop.kind) || !prop.writable() || !prop.get) return;
  QString now = prop.get(object);
  if (prop.kind != TLcTypeKind::WideString) now = throughSystemCodePage(now);
  const QString wanted = throughSystemCodePage(translation);
  if (now != wanted) prop.set(object, wanted);
}

// A list line: converted in the language's own code page (all of it, as
// long as the conversion makes it) and shown through that code page.
void writeLine(TLcStrings& lines, int index, const QString& translation, const TLcf& lcf) {
  if (index < 0 || index >= lines.count()) return;
  const int codePage = lcf.CodePage > 0 ? lcf.CodePage : text::kDefaultCodePage;
  const QString wanted = text::fromAnsi(LcToAnsi(translation, lcf.CodePage), codePage);
  if (lines.line(index) != wanted) lines.setLine(index, wanted);
}

void apply(QObject* root, const TProp& entry, const TLcf& lcf) {
  QObject* target = findComponent(root, text::fromAnsi(entry.ComponentName, text::kDefaultCodePage));
  if (!target) return;

  // The values the walk passes through live until the entry is applied.
  std::vector<std::unique_ptr<TLcObject>> values;
  values.push_back(std::make_unique<TLcComponent>(target));
  TLcObject* current = values.back().get();
  const TLcPropInfo* endProperty = nullptr;
  LcElement last;

  const QList<QByteArrayView> elements = LcSplitPath(entry.PropertyPath);
  for (qsizetype k = 0; k < elements.size(); ++k) {
    last = LcReadElement(elements[k]);
    const TLcPropInfo* prop = current->properties().find(last.name);
    if (!prop) break;
    if (k == elements.size() - 1) {
      endProperty = prop;
      break;
    }
    if (prop->kind != TLcTypeKind::Class) break;
    values.push_back(prop->object ? prop->object(*current) : nullptr);
    current = values.back().get();
    if (last.kind == LcElement::Line) break;  // the line of this list; what follows is not read
    if (last.kind == LcElement::Item) {
      TLcCollection* items = current ? current->asCollection() : nullptr;
      if (!items)
        throw ELcTranslateError("'" + last.name.toStdString() + "' is not a collection in " + describe(entry));
      if (last.index < 0 || last.index >= items->count())
        throw ELcTranslateError("index " + std::to_string(last.index) + " outside the collection in " +
                                describe(entry));
      values.push_back(items->item(last.index));
      if (!values.back()) return;  // ends on the collection property itself: nothing to write
      current = values.back().get();
      continue;
    }
    if (!current) break;  // an empty object value
  }

  if (endProperty) {
    writeProperty(*current, *endProperty, entry.Text);
    return;
  }
  TLcStrings* lines = current ? current->asStrings() : nullptr;
  if (lines && last.kind == LcElement::Line) writeLine(*lines, last.index, entry.Text, lcf);
}

}  // namespace

bool LcTranslateComponent(QObject* component) {
  const TLcf* lcf = LcCurrentLanguage();
  if (!lcf || !component) return false;

  const QStringList chain = LcClassChain(component);
  QList<TProp> entries;
  bool ownClass = false;
  for (qsizetype k = 0; k < chain.size(); ++k) {
    if (const auto found = LcClassEntries(*lcf, chain[k])) {
      entries += *found;
      ownClass = k == chain.size() - 1;
    }
  }
  // Without its own class resource a window is left alone, even when an
  // ancestor has entries.
  if (!ownClass) return false;

  for (const TProp& entry : entries)
    if (entry.HasText) apply(component, entry, *lcf);
  return true;
}

}  // namespace sono::i18n
