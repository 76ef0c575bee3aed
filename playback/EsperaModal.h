#pragma once
// Work that must not run under a modal window: the end of a sequence
// rebuilds the board and a hand-over starts a button, both of which would
// reload the button list an editor window may be working on. While a modal
// window is open such work waits, in the order asked, until it has closed.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>

namespace sono::playback {

class TEsperaModal : public QObject {
  Q_OBJECT
 public:
  explicit TEsperaModal(QObject* parent = nullptr);

  // Runs `f` now, or when no modal window is open any more.
  void executar(std::function<void()> f);
  // Runs `f` from the event loop, once no modal window is open.
  void executarDepois(std::function<void()> f);
  // Forgets everything still waiting (the board it was meant for is gone).
  void descartar();
  int pendentes() const { return static_cast<int>(fila_.size()); }

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;

 private:
  void vigiar(QWidget* modal);
  void retomar();
  void agendarRetomada();

  QList<std::function<void()>> fila_;
  QPointer<QWidget> vigiado_;
  bool retomadaAgendada_ = false;
};

}  // namespace sono::playback
