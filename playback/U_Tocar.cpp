#include "playback/U_Tocar.h"

#include <QFileInfo>
#include <QPointer>
#include <exception>

#include "platform/audio/AudioFile.h"
#include "platform/audio/WaveOut.h"

bool CarregarArquivo(const QString& arquivo, TMMAudioFile* leitor) {
  if (!leitor) return false;
  try {
    leitor->setFileName(QString());
    if (arquivo.isEmpty()) return false;
    if (!QFileInfo(arquivo).isFile()) return false;
    leitor->setFileName(arquivo);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool TocarArquivo(const QString& arquivo, TMMAudioFile* leitor, TMMWaveOut* saida) {
  if (!leitor || !saida) return false;
  // The stop notification of a failed start may release the output; the
  // release is deferred, and the guard covers a handler that deletes it.
  QPointer<TMMWaveOut> guard(saida);
  try {
    if (!CarregarArquivo(arquivo, leitor)) return false;
    saida->start();
    return true;
  } catch (const std::exception&) {
    // Playback never shows a message: a file that cannot sound is silent.
    if (guard) guard->stop();
    return false;
  }
}
