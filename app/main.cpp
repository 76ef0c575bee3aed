#include "app/Application.h"

#include <QApplication>

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Kyrel Sonopaine"));
  sono::app::Application app(QCoreApplication::applicationDirPath());
  app.show();
  return QApplication::exec();
}
