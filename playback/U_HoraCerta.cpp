#include "playback/U_HoraCerta.h"

#include <QFileInfo>

#include "platform/audio/WaveOut.h"
#include "platform/text/FileLookup.h"
#include "playback/U_Tocar.h"

namespace sono::playback {

QString TextoHora(const QTime& hora) {
  const QTime h = hora.isValid() ? hora : QTime(0, 0);
  return QString::asprintf("%02d:%02d:%02d", h.hour(), h.minute(), h.second());
}

TGravacoesHora GravacoesHora(const QTime& hora) {
  const QString texto = TextoHora(hora);
  const QString hh = texto.mid(0, 2), mm = texto.mid(3, 2);
  TGravacoesHora g;
  for (const char* ext : {".wav", ".mp3"}) {
    g.combinada << QStringLiteral("Horas\\H") + hh + QLatin1Char('M') + mm + QLatin1String(ext);
    g.hora << QStringLiteral("Horas\\H") + hh + QLatin1String(ext);
    g.minuto << QStringLiteral("Horas\\M") + mm + QLatin1String(ext);
  }
  return g;
}

THoraCerta::THoraCerta(const QString& pastaPrograma, bool* minutoPendente)
    : pasta_(pastaPrograma), minutoPendente_(minutoPendente) {}

QString THoraCerta::caminho(const QString& relativo) const { return text::findCaseInsensitive(pasta_, relativo); }

bool THoraCerta::existe(const QString& relativo) const { return QFileInfo(caminho(relativo)).isFile(); }

bool THoraCerta::minutoPendenteDe(const QObject* saida) const {
  return *minutoPendente_ && saida && saidaMinuto_ == saida;
}

void THoraCerta::esquecerMinuto() {
  *minutoPendente_ = false;
  saidaMinuto_ = nullptr;
}

void THoraCerta::TocarHoraCerta(TMMAudioFile* leitor, TMMWaveOut* saida) {
  if (!*minutoPendente_) {
    horaPedida_ = agora();
    const TGravacoesHora g = GravacoesHora(horaPedida_);
    for (const QString& nome : g.combinada) {
      if (existe(nome)) {
        TocarArquivo(caminho(nome), leitor, saida);
        return;
      }
    }
    *minutoPendente_ = true;
    saidaMinuto_ = saida;
    // The hour recording may end inside its own start (a file without
    // audio), and that end speaks the minute at once.
    TocarArquivo(caminho(existe(g.hora[0]) ? g.hora[0] : g.hora[1]), leitor, saida);
    return;
  }
  // Cleared before playing: a minute recording that ends inside its own
  // start must not be answered with another minute part.
  esquecerMinuto();
  const TGravacoesHora g = GravacoesHora(horaPedida_);
  TocarArquivo(caminho(existe(g.minuto[0]) ? g.minuto[0] : g.minuto[1]), leitor, saida);
}

}  // namespace sono::playback
