#pragma once
// The board's arithmetic, free of widgets: caption lines, the grid, and the
// play target a button row names.

#include <QPoint>
#include <QString>

namespace sono::board {

// Room the board keeps for its vertical scroll bar.
constexpr int kMargemRolagem = 21;
// One caption character for every this many pixels of button width.
constexpr int kPixelsPorCaractere = 9;
// The play target of a time-announcement button.
inline const QString kHoraCerta = QStringLiteral("HORA CERTA");

// Breaks `texto` into lines of `largura` characters: each line is trimmed,
// ended by "..." and a carriage return; the remainder of a word cut at the
// line end is dropped, and so is text left after length ÷ largura lines. A
// text shorter than a line, or a line width below 1, is returned unchanged.
QString QuebrarLegenda(const QString& texto, int largura);

// Columns for a board `larguraQuadro` pixels wide and buttons of the
// profile's size. At least one: a profile without a size, or a board
// narrower than one button, lays its buttons out in a single column.
int colunasDoQuadro(int larguraQuadro, int tamanhoPerfil);

// Side of every button square in `colunas` columns; at least 1 pixel.
int tamanhoDoBotao(int larguraQuadro, int colunas);

// Top-left corner of the button at board index `indice`.
QPoint posicaoDoBotao(int indice, int colunas, int tamanho);

// What a button plays: the stored file (with the sibling product's drives
// C:, D: and E: turned into the shares c, d and e of `servidor` when
// `modoIrmao` holds; only upper-case letters count), or "HORA CERTA" when
// the description says so in any letter case.
QString alvoDoBotao(const QString& arquivo, const QString& descricao, bool modoIrmao, const QString& servidor);

}  // namespace sono::board
