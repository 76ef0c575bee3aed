#pragma once
// Gives the dialog service its button texts from the built-in strings, so
// every standard box follows the current language. Called once by the
// composition root.

namespace sono::i18n {

void useBuiltinStringsForDialogs();

}  // namespace sono::i18n
