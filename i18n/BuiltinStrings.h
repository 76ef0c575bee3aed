#pragma once
// The built-in strings: the standard texts of the user-interface layer
// (dialog buttons and captions, standard messages), each with a fixed
// numeric id so that a language file can translate it (the ids are listed in
// assets/i18n/BuiltinStrings.md). Every standard text is loaded by its
// record through LoadResString(), which consults the current language
// first while one is current (see StringLoader.h).

#include <QByteArray>
#include <QString>

#include <cstddef>

namespace sono::i18n {

enum BuiltinStringId : quint16 {
  SMsgDlgWarning = 1001,
  SMsgDlgError = 1002,
  SMsgDlgInformation = 1003,
  SMsgDlgConfirm = 1004,
  SMsgDlgYes = 1005,
  SMsgDlgNo = 1006,
  SMsgDlgOK = 1007,
  SMsgDlgCancel = 1008,
  SMsgDlgAbort = 1009,
  SMsgDlgRetry = 1010,
  SMsgDlgIgnore = 1011,
  SMsgDlgAll = 1012,
  SMsgDlgNoToAll = 1013,
  SMsgDlgYesToAll = 1014,
  SMsgDlgHelp = 1015,
  SDeleteRecordQuestion = 1020,
  SUnknown = 1021,
  SOpenFileTitle = 1022,
  SInputCaption = 1023,
};

// A module's string table: ids with their texts in code page 1252.
struct TStringEntry {
  quint16 id;
  const char* text;
};
struct TStringModule {
  const TStringEntry* entries;
  std::size_t count;
};

// The record of a built-in string: the module it belongs to and its id.
// An identifier of 65536 or more carries the text itself instead: it is the
// address of a zero-terminated 8-bit text.
struct TResStringRec {
  const TStringModule* module;
  quintptr identifier;
};

// The program's own table (the "executable's" module).
const TStringModule* builtinModule();
inline TResStringRec builtinRecord(BuiltinStringId id) { return {builtinModule(), id}; }

// The plain loader: the text with that id from the record's module, at most
// 1023 characters; empty when the module has no such string.
QByteArray loadPlainString(const TResStringRec& rec);

// A built-in string through the redirect, when one is installed, else
// through the plain loader.
QString LoadResString(const TResStringRec& rec);
inline QString builtinString(BuiltinStringId id) { return LoadResString(builtinRecord(id)); }

}  // namespace sono::i18n
