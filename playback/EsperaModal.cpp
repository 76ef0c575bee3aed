#include "playback/EsperaModal.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace sono::playback {

TEsperaModal::TEsperaModal(QObject* parent) : QObject(parent) {}

void TEsperaModal::executar(std::function<void()> f) {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal && fila_.isEmpty()) {
    f();
    return;
  }
  // Behind what already waits, so the order of the hand-overs is kept.
  fila_.append(std::move(f));
  if (modal)
    vigiar(modal);
  else
    agendarRetomada();
}

void TEsperaModal::executarDepois(std::function<void()> f) {
  fila_.append(std::move(f));
  agendarRetomada();
}

void TEsperaModal::descartar() { fila_.clear(); }

void TEsperaModal::vigiar(QWidget* modal) {
  if (vigiado_ == modal) return;
  if (vigiado_) vigiado_->removeEventFilter(this);
  vigiado_ = modal;
  modal->installEventFilter(this);
  connect(modal, &QObject::destroyed, this, &TEsperaModal::agendarRetomada, Qt::UniqueConnection);
}

bool TEsperaModal::eventFilter(QObject* watched, QEvent* e) {
  if (watched == vigiado_ && (e->type() == QEvent::Hide || e->type() == QEvent::Close)) agendarRetomada();
  return QObject::eventFilter(watched, e);
}

void TEsperaModal::agendarRetomada() {
  if (retomadaAgendada_) return;
  retomadaAgendada_ = true;
  // From the event loop: the modal window is still closing when it hides.
  QTimer::singleShot(0, this, [this] {
    retomadaAgendada_ = false;
    retomar();
  });
}

void TEsperaModal::retomar() {
  while (!fila_.isEmpty()) {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      vigiar(modal);
      return;
    }
    std::function<void()> f = fila_.takeFirst();
    f();
  }
  if (vigiado_) {
    vigiado_->removeEventFilter(this);
    vigiado_ = nullptr;
  }
}

}  // namespace sono::playback
