#pragma once
// The names under which the languages of the language file are offered and
// stored (CFG_IDIOMA): the system's display name of each language id in
// the user's interface language, or the built-in "<unknown>".

#include <QString>

namespace sono::i18n {

QString LcLanguageName(qint32 langId, const QString& displayLocale = {});

}  // namespace sono::i18n
