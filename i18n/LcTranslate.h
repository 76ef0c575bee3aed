#pragma once
// Window translation: the texts of a window's components, addressed in the
// class resources of the language file by component name and property path,
// replaced by the current language's texts. Windows ask for it when they
// are created or shown; the message labels (hidden "lbl..." labels holding
// a window's message texts) are translated with the rest, so messages built
// from their captions follow the language.

class QObject;

namespace sono::i18n {

// Translates `component` (a window) and the components it owns into the
// current language: the entries of the class resources of its class chain
// (LcClassChain.h), ancestors first. False, with nothing changed, when no
// language is current or the file has no resource for the component's own
// class; true otherwise.
//
// Entries naming an unknown component or property, a property that is not
// text or cannot be written, or a line past the end of a list are skipped.
// A property or line is written only when its text would change.
//
// Throws ELcTranslateError (LcError.h) for an index that is not a number,
// an index outside a collection, or "Name<i>" on what is not a collection;
// the entries before it stay applied.
//
// UI thread only, like every change to the widgets it writes.
bool LcTranslateComponent(QObject* component);

}  // namespace sono::i18n
