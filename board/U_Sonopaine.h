#pragma once
// The main window: the top bar with the profile list and the board.

#include <QMainWindow>

class TFrmSonopaine : public QMainWindow {
  Q_OBJECT
 public:
  explicit TFrmSonopaine(QWidget* parent = nullptr);
};
