#include "platform/widgets/ActionList.h"

namespace sono::widgets {

TActionList::TActionList(QWidget* host, QObject* parent) : QObject(parent), host_(host) {}

TActionList::~TActionList() { clear(); }

QAction* TActionList::add(const QString& name) {
  auto* a = new QAction(this);
  a->setObjectName(name);
  a->setShortcutContext(Qt::WindowShortcut);
  connect(a, &QAction::triggered, this, [this, a] { emit executed(a); });
  if (host_) host_->addAction(a);
  actions_.append(a);
  return a;
}

void TActionList::clear() {
  const QList<QAction*> old = std::exchange(actions_, {});
  for (QAction* a : old) {
    if (host_) host_->removeAction(a);
    delete a;
  }
}

int TActionList::indexOf(const QAction* a) const {
  for (int i = 0; i < count(); ++i)
    if (actions_[i] == a) return i;
  return -1;
}

}  // namespace sono::widgets
