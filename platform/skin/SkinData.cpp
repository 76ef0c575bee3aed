#include "platform/skin/SkinData.h"

#include <QApplication>
#include <QFile>
#include <QStyle>
#include <QWidget>

namespace sono::skin {

namespace {
const char kGenerationProperty[] = "sonoSkinGeneration";
}

TSkinData::TSkinData(QObject* parent) : QObject(parent) {}

TSkinData::~TSkinData() {
  if (loaded_) takeOff();
}

void TSkinData::setSkinFile(const QString& path) {
  file_ = path;
  if (active_) load();
}

void TSkinData::setActive(bool on) {
  if (on == active_) return;
  active_ = on;
  if (on) {
    load();
  } else if (loaded_) {
    takeOff();
  }
}

void TSkinData::load() {
  SkinDefinition def;
  bool ok = false;
  QFile f(file_);
  if (!file_.isEmpty() && f.size() <= kMaxFileSize && f.open(QIODevice::ReadOnly)) {
    def = parseSkin(QString::fromUtf8(f.readAll()));
    ok = true;
  }
  if (!ok) {
    if (loaded_) takeOff();
    return;
  }
  skin_ = def;
  putOn();
}

void TSkinData::putOn() {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app) return;
  if (!saved_) {
    ownPalette_ = QApplication::palette();
    ownStyleSheet_ = app->styleSheet();
    saved_ = true;
  }
  QApplication::setPalette(applyPalette(ownPalette_, skin_));
  app->setStyleSheet(skin_.styleSheet);
  loaded_ = true;
  ++generation_;
  emit skinChanged();
}

void TSkinData::takeOff() {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  loaded_ = false;
  skin_ = {};
  ++generation_;
  if (app && saved_) {
    app->setStyleSheet(ownStyleSheet_);
    QApplication::setPalette(ownPalette_);
  }
  emit skinChanged();
}

void TSkinData::skinForm(QWidget* window) {
  if (!window || window->property(kGenerationProperty).toInt() == generation_) return;
  window->setProperty(kGenerationProperty, generation_);
  // Widgets made after the application's skin changed may carry the look
  // they were polished with; polishing them again picks up the present one.
  QStyle* s = window->style();
  s->unpolish(window);
  s->polish(window);
  window->update();
}

}  // namespace sono::skin
