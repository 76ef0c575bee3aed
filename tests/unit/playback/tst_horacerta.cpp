// The time text and the recording names of the time announcement, on a
// 24-hour clock whatever the locale says.

#include <QLocale>
#include <QtTest>

#include "playback/U_HoraCerta.h"

using namespace sono::playback;

class TestHoraCertaNames : public QObject {
  Q_OBJECT
 private slots:
  void names_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QTime>("hora");
    QTest::addColumn<QString>("texto");
    QTest::addColumn<QStringList>("nomes");  // combined, hour, minute; .wav first
    const auto nomes = [](const char* hh, const char* mm) {
      const QString h = QLatin1String(hh), m = QLatin1String(mm);
      return QStringList{"Horas\\H" + h + "M" + m + ".wav", "Horas\\H" + h + "M" + m + ".mp3", "Horas\\H" + h + ".wav",
                         "Horas\\H" + h + ".mp3",           "Horas\\M" + m + ".wav",           "Horas\\M" + m + ".mp3"};
    };
    QTest::newRow("14:05") << "pt_BR" << QTime(14, 5, 7) << "14:05:07" << nomes("14", "05");
    QTest::newRow("midnight") << "pt_BR" << QTime(0, 0) << "00:00:00" << nomes("00", "00");
    QTest::newRow("one-digit hour") << "pt_BR" << QTime(9, 30) << "09:30:00" << nomes("09", "30");
    QTest::newRow("12-hour locale, afternoon") << "en_US" << QTime(23, 59, 59) << "23:59:59" << nomes("23", "59");
    QTest::newRow("12-hour locale, morning") << "en_US" << QTime(0, 7) << "00:07:00" << nomes("00", "07");
  }
  void names() {
    QFETCH(QString, locale);
    QFETCH(QTime, hora);
    QFETCH(QString, texto);
    QFETCH(QStringList, nomes);
    QLocale::setDefault(QLocale(locale));
    QCOMPARE(TextoHora(hora), texto);
    const TGravacoesHora g = GravacoesHora(hora);
    QCOMPARE(g.combinada + g.hora + g.minuto, nomes);
    QLocale::setDefault(QLocale::c());
  }
};

QTEST_GUILESS_MAIN(TestHoraCertaNames)
#include "tst_horacerta.moc"
