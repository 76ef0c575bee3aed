#pragma once
// The options window (skin, language, output device, buffers).

#include <QDialog>

class TFrmOpcoes : public QDialog {
  Q_OBJECT
 public:
  explicit TFrmOpcoes(QWidget* parent = nullptr);
};
