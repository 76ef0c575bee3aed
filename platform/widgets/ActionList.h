#pragma once
// An ordered list of actions with shortcuts. The actions are put on a host
// widget so their shortcuts work while the host's window is active; each
// action's place in the list is its index.

#include <QAction>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace sono::widgets {

class TActionList : public QObject {
  Q_OBJECT
 public:
  explicit TActionList(QWidget* host, QObject* parent = nullptr);
  ~TActionList() override;

  // A new action named `name` at the end of the list.
  QAction* add(const QString& name);
  // Destroys every action of the list.
  void clear();
  int count() const { return static_cast<int>(actions_.size()); }
  QAction* action(int i) const { return i >= 0 && i < count() ? actions_[i] : nullptr; }
  int indexOf(const QAction* a) const;

 signals:
  // An action of the list ran (shortcut or trigger()).
  void executed(QAction* action);

 private:
  QPointer<QWidget> host_;
  QList<QAction*> actions_;
};

}  // namespace sono::widgets
