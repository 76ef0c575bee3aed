#pragma once
// The time announcement: a board button whose description is "HORA CERTA"
// speaks the time from the recordings of the installation's Horas folder,
// either one recording of hour and minute together or an hour recording
// followed, when it has ended, by a minute recording on the same output.

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QTime>
#include <functional>

class TMMAudioFile;
class TMMWaveOut;

namespace sono::playback {

// The time as hh:mm:ss on a 24-hour clock, whatever the system's time
// format: the recording names are read from fixed places of this text.
QString TextoHora(const QTime& hora);

// The names to try for each part of the announcement at `hora`, in their
// order of trial, relative to the installation folder.
struct TGravacoesHora {
  QStringList combinada;  // Horas\HhhMmm.wav, then .mp3
  QStringList hora;       // Horas\Hhh.wav, then .mp3
  QStringList minuto;     // Horas\Mmm.wav, then .mp3
};
TGravacoesHora GravacoesHora(const QTime& hora);

class THoraCerta {
 public:
  using Relogio = std::function<QTime()>;

  // `pastaPrograma` holds the Horas folder; `minutoPendente` is the
  // window's MinutoPendente flag.
  THoraCerta(const QString& pastaPrograma, bool* minutoPendente);

  void setRelogio(Relogio r) { relogio_ = std::move(r); }
  QTime agora() const { return relogio_ ? relogio_() : QTime::currentTime(); }

  // Plays the part of the announcement that is due on `leitor`/`saida`:
  // the hour part when no minute is pending, else the minute part.
  void TocarHoraCerta(TMMAudioFile* leitor, TMMWaveOut* saida);

  // Whether the end of `saida` is owed a minute recording. The minute
  // belongs to the output that said the hour, so the end of any other
  // button never speaks it.
  bool minutoPendenteDe(const QObject* saida) const;
  // Drops a pending minute (its output is gone).
  void esquecerMinuto();

 private:
  QString caminho(const QString& relativo) const;
  bool existe(const QString& relativo) const;

  QString pasta_;
  bool* minutoPendente_;
  Relogio relogio_;
  QPointer<TMMWaveOut> saidaMinuto_;
  // The minute of the press: the minute said belongs to the hour said,
  // even when the hour recording ends in the next minute.
  QTime horaPedida_;
};

}  // namespace sono::playback
