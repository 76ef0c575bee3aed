#include "i18n/LanguageNames.h"

#include "i18n/BuiltinStrings.h"
#include "platform/text/LanguageInfo.h"

namespace sono::i18n {

QString LcLanguageName(qint32 langId, const QString& displayLocale) {
  const QString name = text::languageDisplayName(langId, displayLocale);
  return name.isEmpty() ? builtinString(SUnknown) : name;
}

}  // namespace sono::i18n
