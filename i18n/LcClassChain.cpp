#include "i18n/LcClassChain.h"

#include <QDialog>
#include <QMainWindow>
#include <QObject>
#include <QWidget>

#include <algorithm>

namespace sono::i18n {
namespace {

// A class of the toolkit rather than one of ours, told by the toolkit's
// naming: "Q" and a capital, outside any namespace (ours are "T..." or in
// sono::).
bool isToolkitClass(const QMetaObject* m) {
  const QByteArrayView name(m->className());
  return name.size() > 1 && name[0] == 'Q' && name[1] >= 'A' && name[1] <= 'Z' && !name.contains(':');
}

}  // namespace

QStringList LcClassChain(const QMetaObject* meta) {
  QList<const QMetaObject*> up;
  for (const QMetaObject* m = meta; m; m = m->superClass()) up.append(m);
  std::reverse(up.begin(), up.end());

  QStringList chain;
  for (const QMetaObject* m : up) {
    if (m == &QObject::staticMetaObject) {
      chain << QStringLiteral("TComponent");
    } else if (m == &QWidget::staticMetaObject) {
      chain << QStringLiteral("TControl") << QStringLiteral("TWinControl");
    } else if (m == &QMainWindow::staticMetaObject || m == &QDialog::staticMetaObject) {
      chain << QStringLiteral("TScrollingWinControl") << QStringLiteral("TCustomForm") << QStringLiteral("TForm");
    } else if (!isToolkitClass(m)) {
      const QString name = QString::fromLatin1(m->className());
      chain << name.mid(name.lastIndexOf(QLatin1Char(':')) + 1);
    }
  }
  return chain;
}

QStringList LcClassChain(const QObject* object) { return object ? LcClassChain(object->metaObject()) : QStringList(); }

}  // namespace sono::i18n
