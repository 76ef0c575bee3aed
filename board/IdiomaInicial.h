#pragma once
// The language steps of the main window's creation: the languages of the
// language file listed into the hidden list CBIdiomas, the saved one
// (CFG_IDIOMA) made current, and the window translated into it.

#include <QString>

class QComboBox;
class QWidget;
class TFrmSonopaine;

namespace sono::board {

// The language file of the installation in `pasta`: the executable's name
// with its extension changed to ".lcf", found without regard to case.
QString arquivoIdioma(const QString& pasta);

// Lists the languages of `arquivo` into `CBIdiomas` (display name, id as
// item data), selects Portuguese (1046), or, when `idiomaSalvo` is not
// empty, the entry of that name without regard to case (none when no entry
// has it); loads the selected language and translates `janela`. Every
// failure is swallowed: the window keeps its built-in texts.
void CarregarIdioma(QComboBox* CBIdiomas, QWidget* janela, const QString& arquivo, const QString& idiomaSalvo) noexcept;

// The same for the main window, with its installation folder and the
// configuration row's CFG_IDIOMA.
void IdiomaInicial(TFrmSonopaine& janela) noexcept;

}  // namespace sono::board
