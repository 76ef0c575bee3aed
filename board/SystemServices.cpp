#include "board/SystemServices.h"

#include "platform/pe/IconFile.h"
#include "platform/text/ShortCut.h"

namespace sono::board {

TQuadroBotoes::FonteIcones fonteIconesDoSistema() {
  return [](const QString& arquivo, int indice) { return pe::extractIcon(arquivo, indice, pe::kLargeIconSize); };
}

TQuadroBotoes::LeitorAtalho leitorAtalhoDoSistema() {
  return [](const QString& texto) { return text::textToShortCut(texto); };
}

}  // namespace sono::board
