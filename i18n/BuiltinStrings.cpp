#include "i18n/BuiltinStrings.h"

#include "i18n/StringLoader.h"
#include "platform/text/CodePage.h"

#include <cstring>

namespace sono::i18n {
namespace {

constexpr int kMaxPlainLength = 1023;  // the plain loader's buffer holds 1024 with the terminator

constexpr TStringEntry kBuiltin[] = {
    {SMsgDlgWarning, "Warning"},
    {SMsgDlgError, "Error"},
    {SMsgDlgInformation, "Information"},
    {SMsgDlgConfirm, "Confirm"},
    {SMsgDlgYes, "&Yes"},
    {SMsgDlgNo, "&No"},
    {SMsgDlgOK, "OK"},
    {SMsgDlgCancel, "Cancel"},
    {SMsgDlgAbort, "&Abort"},
    {SMsgDlgRetry, "&Retry"},
    {SMsgDlgIgnore, "&Ignore"},
    {SMsgDlgAll, "&All"},
    {SMsgDlgNoToAll, "N&o to All"},
    {SMsgDlgYesToAll, "Yes to &All"},
    {SMsgDlgHelp, "&Help"},
    {SDeleteRecordQuestion, "Delete record?"},
    {SUnknown, "<unknown>"},
    {SOpenFileTitle, "Open"},
    {SInputCaption, "Input"},
};
constexpr TStringModule kBuiltinModule{kBuiltin, sizeof kBuiltin / sizeof kBuiltin[0]};

}  // namespace

const TStringModule* builtinModule() { return &kBuiltinModule; }

QByteArray loadPlainString(const TResStringRec& rec) {
  if (rec.identifier >= 65536) {
    const char* text = reinterpret_cast<const char*>(rec.identifier);
    return QByteArray(text, qsizetype(strnlen(text, kMaxPlainLength)));
  }
  if (!rec.module) return {};
  for (std::size_t i = 0; i < rec.module->count; ++i) {
    const TStringEntry& e = rec.module->entries[i];
    if (e.id == rec.identifier) return QByteArray(e.text, qsizetype(strnlen(e.text, kMaxPlainLength)));
  }
  return {};
}

QString LoadResString(const TResStringRec& rec) {
  if (const TProc* redirect = TProc::installed()) return redirect->load(rec);
  return text::fromAnsi(loadPlainString(rec), text::kDefaultCodePage);
}

}  // namespace sono::i18n
