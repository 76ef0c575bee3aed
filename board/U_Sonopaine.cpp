#include "board/U_Sonopaine.h"

TFrmSonopaine::TFrmSonopaine(QWidget* parent) : QMainWindow(parent) {
  setObjectName(QStringLiteral("FrmSonopaine"));
  setWindowTitle(QStringLiteral("Kyrel Sonopaine 2015"));
}
