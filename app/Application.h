#pragma once
// The composition root: the start sequence of the executable and the
// orderly shutdown (windows first, the data module and its connections
// last, so their open work is committed).

#include <QString>

#include <memory>

class TDM;
class TFrmSonopaine;
class TFrmOpcoes;

namespace sono::app {

class Application {
 public:
  // `folder` holds the installation (the executable's folder).
  explicit Application(const QString& folder);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  TDM& dataModule() const { return *dm_; }
  TFrmSonopaine& mainWindow() const { return *main_; }

  // Shows the main window maximised.
  void show();

 private:
  std::unique_ptr<TDM> dm_;
  std::unique_ptr<TFrmSonopaine> main_;
  std::unique_ptr<TFrmOpcoes> options_;
};

}  // namespace sono::app
