#include "platform/widgets/Dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>

namespace sono::dialogs {
namespace {

ScopedResponder* g_responder = nullptr;  // UI thread only
ButtonTextProvider g_buttonText;

struct ButtonMap {
  Button ours;
  QMessageBox::StandardButton qt;
  const char* fallback;
};
constexpr ButtonMap kButtons[] = {
    {Yes, QMessageBox::Yes, "&Yes"},       {No, QMessageBox::No, "&No"},
    {Ok, QMessageBox::Ok, "OK"},           {Cancel, QMessageBox::Cancel, "Cancel"},
    {Abort, QMessageBox::Abort, "&Abort"}, {Retry, QMessageBox::Retry, "&Retry"},
    {Ignore, QMessageBox::Ignore, "&Ignore"},
};

QMessageBox::Icon iconOf(Kind k) {
  switch (k) {
    case Kind::Information: return QMessageBox::Information;
    case Kind::Warning: return QMessageBox::Warning;
    case Kind::Error: return QMessageBox::Critical;
    case Kind::Confirmation: return QMessageBox::Question;
    default: return QMessageBox::NoIcon;
  }
}

Answer showReal(const Request& r, QWidget* parent) {
  const QString title = r.caption.isEmpty() ? QApplication::applicationDisplayName() : r.caption;
  Answer a;
  switch (r.kind) {
    case Kind::Input: {
      QInputDialog dialog(parent);
      dialog.setWindowTitle(title);
      dialog.setLabelText(r.text);
      dialog.setTextValue(r.value);
      // Its buttons speak the current language, like the message boxes'.
      dialog.setOkButtonText(buttonText(Ok));
      dialog.setCancelButtonText(buttonText(Cancel));
      const bool ok = dialog.exec() == QDialog::Accepted;
      if (ok) a.value = dialog.textValue();
      a.button = ok ? Ok : Cancel;
      return a;
    }
    case Kind::OpenFile:
      a.value = QFileDialog::getOpenFileName(parent, title, r.value, r.filter);
      a.button = a.value.isEmpty() ? Cancel : Ok;
      return a;
    default: break;
  }
  QMessageBox box(iconOf(r.kind), title, r.text, QMessageBox::NoButton, parent);
  for (const auto& b : kButtons) {
    if (r.buttons & b.ours) box.addButton(b.qt)->setText(buttonText(b.ours));
  }
  const int pressed = box.exec();
  for (const auto& b : kButtons) {
    if (pressed == b.qt) a.button = b.ours;
  }
  if (a.button == NoButton) a.button = (r.buttons & Cancel) ? Cancel : (r.buttons & No) ? No : Ok;
  return a;
}

}  // namespace

void setButtonTextProvider(ButtonTextProvider provider) { g_buttonText = std::move(provider); }

QString buttonText(Button b) {
  if (g_buttonText) {
    QString t = g_buttonText(b);
    if (!t.isEmpty()) return t;
  }
  for (const auto& m : kButtons) {
    if (m.ours == b) return QString::fromLatin1(m.fallback);
  }
  return {};
}

Answer ask(const Request& request, QWidget* parent) {
  if (g_responder) {
    g_responder->asked_.append(request);
    if (g_responder->responder_) return g_responder->responder_(request);
    // No answer given: the first button offered, the initial value kept.
    Answer a;
    for (const auto& b : kButtons) {
      if (request.buttons & b.ours) { a.button = b.ours; break; }
    }
    a.value = request.value;
    return a;
  }
  if (!parent) parent = QApplication::activeWindow();
  return showReal(request, parent);
}

void showMessage(const QString& text) { ask({Kind::Message, {}, text, Ok, {}, {}}); }

int messageDlg(const QString& text, Kind kind, Buttons buttons) {
  return ask({kind, {}, text, buttons, {}, {}}).button;
}

bool inputQuery(const QString& caption, const QString& prompt, QString& value) {
  Answer a = ask({Kind::Input, caption, prompt, Ok | Cancel, value, {}});
  if (a.button != Ok) return false;
  value = a.value;
  return true;
}

QString openFileName(const QString& caption, const QString& filter, const QString& initial) {
  Answer a = ask({Kind::OpenFile, caption, {}, Ok | Cancel, initial, filter});
  return a.button == Ok ? a.value : QString();
}

ScopedResponder::ScopedResponder(Responder responder) : responder_(std::move(responder)), previous_(g_responder) {
  g_responder = this;
}

ScopedResponder::~ScopedResponder() { g_responder = previous_; }

QStringList ScopedResponder::texts() const {
  QStringList out;
  for (const auto& r : asked_) out << r.text;
  return out;
}

}  // namespace sono::dialogs
