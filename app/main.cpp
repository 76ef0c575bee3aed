#include "app/Application.h"
#include "app/ShutdownGuard.h"
#include "app/data/DM_Sonopaine.h"

#include <QApplication>

int main(int argc, char** argv) {
  sono::app::ShutdownGuard::blockTerminationSignals();
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kyrel Sonopaine"));
  sono::app::Application app(QCoreApplication::applicationDirPath());
  const sono::app::ShutdownGuard guard([&app] {
    // At exit without our own shutdown: commit and detach, nothing else.
    app.dataModule().DB_KyrelPlay->close();
    app.dataModule().DB_Audio->close();
  });
  app.show();
  return QApplication::exec();
}
