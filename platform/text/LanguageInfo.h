#pragma once
// What the system knows about a Windows language id (LCID): its locale, its
// display name and the default ANSI code page Windows gives it. The language
// file names its languages by LCID only.

#include <QString>

namespace sono::text {

// ICU's locale for the LCID ("pt_BR" for 1046); empty when ICU knows none.
QString localeNameOfLcid(int lcid);

// The language's full display name ("English (United States)") in the
// language of `displayLocale` (an ICU/Qt locale name; empty = the user's
// interface language), starting with a capital. Empty when the LCID names
// no known locale.
QString languageDisplayName(int lcid, const QString& displayLocale = {});

// Windows' default ANSI code page for the LCID (1252 for 1046, 932 for
// 1041, 1251 for 1049). 0 for a language Windows writes only in Unicode and
// for an LCID it does not know; conversions take 0 as the system default.
int defaultAnsiCodePage(int lcid);

}  // namespace sono::text
