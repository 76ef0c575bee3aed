#pragma once
// The small pictures of the top bar's buttons, drawn here so they scale
// with the screen and need no files.

#include <QPixmap>

namespace sono::board {

QPixmap imagemEditarPerfil();  // 16 × 16: a list with a pencil
QPixmap imagemOpcoes();        // 14 × 18: three sliders
QPixmap imagemTocar();         // 16 × 16: a blue play triangle
QPixmap imagemPausar();        // 16 × 16: two blue vertical bars
QPixmap imagemBorracha();      // 16 × 16: an eraser

}  // namespace sono::board
