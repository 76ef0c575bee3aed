#include "i18n/DialogTexts.h"

#include "i18n/BuiltinStrings.h"
#include "platform/widgets/Dialogs.h"

namespace sono::i18n {

void useBuiltinStringsForDialogs() {
  dialogs::setButtonTextProvider([](dialogs::Button b) -> QString {
    switch (b) {
      case dialogs::Ok: return builtinString(SMsgDlgOK);
      case dialogs::Cancel: return builtinString(SMsgDlgCancel);
      case dialogs::Yes: return builtinString(SMsgDlgYes);
      case dialogs::No: return builtinString(SMsgDlgNo);
      case dialogs::Abort: return builtinString(SMsgDlgAbort);
      case dialogs::Retry: return builtinString(SMsgDlgRetry);
      case dialogs::Ignore: return builtinString(SMsgDlgIgnore);
      default: return {};
    }
  });
}

}  // namespace sono::i18n
