#pragma once
// The board's icon extraction and hotkey reading as this system provides
// them.

#include "board/U_QuadroBotoes.h"

namespace sono::board {

// Large (32 × 32) icons by index from icon libraries, programs and .ico
// files.
TQuadroBotoes::FonteIcones fonteIconesDoSistema();

// Hotkey texts as the button editor writes them.
TQuadroBotoes::LeitorAtalho leitorAtalhoDoSistema();

}  // namespace sono::board
