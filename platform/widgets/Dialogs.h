#pragma once
// The one way the system shows a modal box (message, question, input, file
// choice). Every box goes through ask(); a test installs a responder that
// answers in place of the operator and records what was asked, so windows
// can be driven headless. Without a responder the real Qt dialog is shown.

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace sono::dialogs {

enum class Kind { Message, Information, Warning, Error, Confirmation, Input, OpenFile };

enum Button : int {
  NoButton = 0,
  Ok = 0x01,
  Cancel = 0x02,
  Yes = 0x04,
  No = 0x08,
  Abort = 0x10,
  Retry = 0x20,
  Ignore = 0x40,
};
using Buttons = int;

struct Request {
  Kind kind = Kind::Message;
  QString caption;   // window title; empty = the application's title
  QString text;      // message or prompt
  Buttons buttons = Ok;
  QString value;     // Input: the initial text; OpenFile: the initial file
  QString filter;    // OpenFile: name filter
};

struct Answer {
  int button = NoButton;  // the button pressed; Cancel/NoButton when closed
  QString value;          // Input: the text; OpenFile: the chosen file
};

using Responder = std::function<Answer(const Request&)>;

// Texts of the standard dialog buttons; the language layer installs a
// provider so the buttons follow the current language.
using ButtonTextProvider = std::function<QString(Button)>;
void setButtonTextProvider(ButtonTextProvider provider);
QString buttonText(Button b);

Answer ask(const Request& request, QWidget* parent = nullptr);

// ShowMessage: a plain box with OK.
void showMessage(const QString& text);
// MessageDlg: returns the button pressed.
int messageDlg(const QString& text, Kind kind, Buttons buttons);
// InputQuery: true and the new text in `value` when confirmed.
bool inputQuery(const QString& caption, const QString& prompt, QString& value);
// An open-file choice; empty when cancelled.
QString openFileName(const QString& caption, const QString& filter, const QString& initial = {});

// Installs a responder for its lifetime (tests). Answers come from the
// function; every request is recorded in order.
class ScopedResponder {
 public:
  explicit ScopedResponder(Responder responder = {});
  ~ScopedResponder();
  ScopedResponder(const ScopedResponder&) = delete;
  ScopedResponder& operator=(const ScopedResponder&) = delete;

  const QList<Request>& asked() const { return asked_; }
  QStringList texts() const;
  void clear() { asked_.clear(); }

 private:
  friend Answer ask(const Request&, QWidget*);
  Responder responder_;
  QList<Request> asked_;
  ScopedResponder* previous_ = nullptr;
};

}  // namespace sono::dialogs
