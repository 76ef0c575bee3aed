#include "board/IdiomaInicial.h"

#include "app/data/DM_Sonopaine.h"
#include "board/U_Sonopaine.h"
#include "i18n/LanguageNames.h"
#include "i18n/LcTranslate.h"
#include "i18n/LcUnit.h"
#include "platform/text/FileLookup.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>

#include <exception>

namespace sono::board {
namespace {

constexpr qint32 kPortuguesBrasil = 1046;

// Adds each language of the file to the list; never stops the listing.
qint32 adicionarIdioma(qint32 idioma, void* contexto) {
  auto* lista = static_cast<QComboBox*>(contexto);
  lista->addItem(i18n::LcLanguageName(idioma), idioma);
  return 1;
}

}  // namespace

QString arquivoIdioma(const QString& pasta) {
  const QString programa = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
  return text::findCaseInsensitive(pasta, programa + QStringLiteral(".lcf"));
}

void CarregarIdioma(QComboBox* CBIdiomas, QWidget* janela, const QString& arquivo,
                    const QString& idiomaSalvo) noexcept {
  try {
    if (!CBIdiomas || !janela) return;
    i18n::LcSetLanguage(arquivo, kPortuguesBrasil, &adicionarIdioma, CBIdiomas);
    CBIdiomas->setCurrentIndex(CBIdiomas->findData(kPortuguesBrasil));
    if (!idiomaSalvo.isEmpty()) {
      int escolhido = -1;
      for (int i = 0; i < CBIdiomas->count() && escolhido < 0; ++i)
        if (CBIdiomas->itemText(i).compare(idiomaSalvo, Qt::CaseInsensitive) == 0) escolhido = i;
      CBIdiomas->setCurrentIndex(escolhido);
    }
    // No entry selected: nothing to load, the window stays as designed.
    if (CBIdiomas->currentIndex() < 0) return;
    i18n::LcSetLanguage(arquivo, CBIdiomas->currentData().toInt());
    i18n::LcTranslateComponent(janela);
  } catch (const std::exception& e) {
    qWarning("Language at start-up: %s", e.what());
  } catch (...) {
    qWarning("Language at start-up: unknown error");
  }
}

void IdiomaInicial(TFrmSonopaine& janela) noexcept {
  try {
    QString idiomaSalvo;
    if (DM && DM->TB_Configuracao->active() && !DM->TB_Configuracao->isEmpty())
      idiomaSalvo = DM->TB_Configuracao->fieldByName(QStringLiteral("CFG_IDIOMA")).asString();
    CarregarIdioma(janela.CBIdiomas, &janela, arquivoIdioma(janela.pastaPrograma()), idiomaSalvo);
  } catch (const std::exception& e) {
    qWarning("Language at start-up: %s", e.what());
  } catch (...) {
    qWarning("Language at start-up: unknown error");
  }
}

}  // namespace sono::board
