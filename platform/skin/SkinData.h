#pragma once
// The skin component: while active with a skin file loaded, every window of
// the application wears that skin (palette and style sheet); switching it
// off gives the windows back their own look. A file that does not exist or
// cannot be read leaves the windows unskinned, silently.

#include "platform/skin/SkinFormat.h"

#include <QObject>
#include <QPalette>
#include <QString>

class QWidget;

namespace sono::skin {

class TSkinData : public QObject {
  Q_OBJECT
 public:
  explicit TSkinData(QObject* parent = nullptr);
  ~TSkinData() override;

  // The file to load; while active, a new file is loaded at once.
  void setSkinFile(const QString& path);
  QString skinFile() const { return file_; }

  bool active() const { return active_; }
  void setActive(bool on);

  // Whether a skin is worn now (active and the file was read).
  bool skinLoaded() const { return loaded_; }
  const SkinDefinition& skin() const { return skin_; }

  // Brings a window created or re-built after the skin was put on up to
  // date with it. Cheap when nothing changed, so it may follow every paint.
  void skinForm(QWidget* window);

  // Files larger than this are not skins; they are not read.
  static constexpr qint64 kMaxFileSize = 1 << 20;

 signals:
  void skinChanged();

 private:
  void load();
  void putOn();
  void takeOff();

  QString file_;
  bool active_ = false;
  bool loaded_ = false;
  SkinDefinition skin_;
  int generation_ = 0;
  bool saved_ = false;
  QPalette ownPalette_;
  QString ownStyleSheet_;
};

}  // namespace sono::skin
