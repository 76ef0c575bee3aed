#pragma once
// The class chain of a component, as the language file names classes:
// from the base component class down to the component's own class. Our
// windows are Qt classes; the toolkit's classes stand for the component
// model's ancestors they play the part of:
//   QObject                 TComponent
//   QWidget                 TControl, TWinControl
//   QMainWindow, QDialog    TScrollingWinControl, TCustomForm, TForm
// so a main window TFrmSonopaine has the chain TComponent, TControl,
// TWinControl, TScrollingWinControl, TCustomForm, TForm, TFrmSonopaine.
// The toolkit's other classes add nothing; each class of ours (it must
// carry Q_OBJECT to be seen) adds its own name, without namespace.

#include <QStringList>

class QMetaObject;
class QObject;

namespace sono::i18n {

QStringList LcClassChain(const QMetaObject* meta);
QStringList LcClassChain(const QObject* object);

}  // namespace sono::i18n
