#pragma once

#include <QString>

class TMMAudioFile;
class TMMWaveOut;

// Loads `arquivo` into `leitor` and starts `saida`. True when the file was
// loaded and playing started; false on any failure, never raising. When the
// load fails the output is left untouched. Precondition: `saida` is not
// playing (freshly created, or inside its own stop notification).
bool TocarArquivo(const QString& arquivo, TMMAudioFile* leitor, TMMWaveOut* saida);

// The load step: closes what the reader had open, then opens `arquivo`.
// False for an empty name, a missing file or a file that is not audio.
bool CarregarArquivo(const QString& arquivo, TMMAudioFile* leitor);
