#pragma once
// Hotkey text, the form BT_ATALHO stores: "Shift+", "Ctrl+", "Alt+" (each
// when held, always in this order) followed by the key's name. The names are
// fixed texts and never follow the current language. The board reads these
// texts and the button editor writes them, so both go through here.

#include <QKeyCombination>
#include <QString>

namespace sono::text {

// The text of a key combination; empty when the key has no name (or there
// is no key). Keypad digits are written as the plain digits; the Meta
// modifier has no place in the text and is left out.
QString shortCutToText(QKeyCombination shortcut);

// The inverse: prefixes in any order and letter case, "^" for "Ctrl+", then a
// key name without regard to case. A text that names no key gives an empty
// combination (Qt::Key_unknown with no modifiers), i.e. no hotkey.
QKeyCombination textToShortCut(const QString& text);

// Whether a combination returned by textToShortCut names a key.
inline bool isShortCut(QKeyCombination c) { return c.key() != Qt::Key_unknown && c.key() != 0; }

}  // namespace sono::text
