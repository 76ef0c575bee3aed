#include "editors/U_Opcoes.h"

TFrmOpcoes::TFrmOpcoes(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FrmOpcoes"));
  setWindowTitle(QStringLiteral("Opções"));
}
