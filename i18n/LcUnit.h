#pragma once
// The language file and the current language. The language file is a
// resource-only PE module beside the executable (its path with ".lcf");
// its header lists the languages, its string resources translate the
// built-in strings and its class resources translate windows (read through
// LcClassResource.h). At most one language is current; while it is, the
// built-in strings are taken from the file first.

#include "i18n/BuiltinStrings.h"
#include "i18n/StringLoader.h"
#include "platform/pe/PeImage.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace sono::i18n {

// Called once per language of the file, in file order; returning 0 stops.
using TLcEnumLanguageProc = qint32 (*)(qint32 langId, void* context);

// The current language.
struct TLcf {
  qint32 StringColumn = 0;                // pair used in string resources
  qint32 EntryColumn = 0;                 // text used in class-resource entries (the language index)
  std::unique_ptr<pe::PeImage> Module;    // the language file, open as a data file
  qint32 CodePage = 0;                    // the language's 8-bit code page; 0 = the system default
  std::unique_ptr<TProc> Redirect;        // the built-in string redirect while current
};

// Releases the current language, opens `fileName`, calls `enumProc` (when
// given) for its languages and makes `langId` current. −1: the file cannot
// be used (enumProc not called); 0: the file does not hold langId; 1: langId
// is current. After −1 or 0 no language is current.
qint32 LcSetLanguage(const QString& fileName, qint32 langId, TLcEnumLanguageProc enumProc = nullptr,
                     void* context = nullptr);
// The same on a module already open (tests, fuzzing); nullptr gives −1.
qint32 LcSetLanguage(std::unique_ptr<pe::PeImage> module, qint32 langId, TLcEnumLanguageProc enumProc = nullptr,
                     void* context = nullptr);

// The string loader of the current language: the file's text for the
// record's id, converted to the language's code page, else the built-in
// text. Without a current language, the built-in text.
void LcLoadResString(const TResStringRec& rec, QByteArray& text);

// The current language, or nullptr.
const TLcf* LcCurrentLanguage();

// Releases the current language, if any: removes the redirect, closes the
// file. Also done when the program ends.
void LcReleaseLanguage();

// The language file's 8-bit conversion: UTF-16 to the code page, characters
// it cannot hold as '?', as many bytes as the conversion makes.
QByteArray LcToAnsi(const QString& text, qint32 codePage);

}  // namespace sono::i18n
