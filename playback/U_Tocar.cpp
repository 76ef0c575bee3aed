#include "playback/U_Tocar.h"

#include "platform/audio/AudioFile.h"
#include "platform/audio/WaveOut.h"

#include <QFileInfo>
#include <exception>

bool CarregarArquivo(const QString& arquivo, TMMAudioFile* leitor)
{
  if (!leitor)
    return false;
  try {
    leitor->setFileName(QString());
    if (arquivo.isEmpty())
      return false;
    if (!QFileInfo(arquivo).isFile())
      return false;
    leitor->setFileName(arquivo);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool TocarArquivo(const QString& arquivo, TMMAudioFile* leitor, TMMWaveOut* saida)
{
  if (!leitor || !saida)
    return false;
  try {
    if (!CarregarArquivo(arquivo, leitor))
      return false;
    saida->start();
    return true;
  } catch (const std::exception&) {
    // Playback never shows a message: a file that cannot sound is silent.
    // The output may already be gone if its stop notification released it
    // (it is deleted later, from the event loop, so the pointer is valid).
    try {
      saida->stop();
    } catch (const std::exception&) {
    }
    return false;
  }
}
