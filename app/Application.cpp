#include "app/Application.h"

#include "app/data/DM_Sonopaine.h"
#include "board/U_Sonopaine.h"
#include "editors/U_Opcoes.h"
#include "i18n/DialogTexts.h"

#include <QScreen>

namespace sono::app {

Application::Application(const QString& folder) {
  // Standard boxes take their button texts from the built-in strings, so
  // they follow the current language.
  i18n::useBuiltinStringsForDialogs();
  dm_ = std::make_unique<TDM>(folder);
  DM = dm_.get();
  DM->DataModuleCreate();
  main_ = std::make_unique<TFrmSonopaine>(nullptr, folder, DM->sd1);
  main_->setJanelaOpcoes([](QWidget* parent) { return std::make_unique<TFrmOpcoes>(parent); });
  // The start-up instance of the options window is never shown; the options
  // command opens a fresh one each time.
  options_ = std::make_unique<TFrmOpcoes>();
}

Application::~Application() {
  options_.reset();
  main_.reset();
  DM = nullptr;
  dm_.reset();
}

void Application::show() {
  // Without a window manager a maximise request is not honoured; the
  // window then fills the screen by itself.
  if (const QScreen* screen = main_->screen()) main_->setGeometry(screen->availableGeometry());
  main_->showMaximized();
}

}  // namespace sono::app
