// sono-lcfc: compiles language sources into the language file.
//   sono-lcfc [--header LCHEADER|LCHEADE2] [--extra-pair] [--pe32plus] -o OUT.lcf SOURCE...
// The sources' order is the file's language order.

#include "tools/lcfc/LcfBuilder.h"

#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QStringList args = app.arguments().mid(1);
  sono::lcfc::BuildOptions options;
  QString outPath;
  QList<sono::lcfc::LanguageSource> languages;
  for (int i = 0; i < args.size(); ++i) {
    const QString& a = args[i];
    if (a == "--header" && i + 1 < args.size()) {
      const QString h = args[++i];
      if (h == "LCHEADER") options.header = sono::lcfc::HeaderKind::LcHeader;
      else if (h == "LCHEADE2") options.header = sono::lcfc::HeaderKind::LcHeade2;
      else {
        std::fprintf(stderr, "sono-lcfc: unknown header %s\n", qPrintable(h));
        return 2;
      }
    } else if (a == "--extra-pair") {
      options.extraPair = true;
    } else if (a == "--pe32plus") {
      options.format = sono::pe::PeWriter::Format::Pe32Plus;
    } else if (a == "-o" && i + 1 < args.size()) {
      outPath = args[++i];
    } else {
      QFile f(a);
      if (!f.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "sono-lcfc: cannot read %s\n", qPrintable(a));
        return 1;
      }
      sono::lcfc::ParseError error;
      auto src = sono::lcfc::parseLanguageSource(QString::fromUtf8(f.readAll()), &error);
      if (!src) {
        std::fprintf(stderr, "%s:%d: %s\n", qPrintable(a), error.line, qPrintable(error.message));
        return 1;
      }
      languages.append(*src);
    }
  }
  if (outPath.isEmpty() || languages.isEmpty()) {
    std::fprintf(stderr, "usage: sono-lcfc [--header LCHEADER|LCHEADE2] [--extra-pair] [--pe32plus] -o OUT SOURCE...\n");
    return 2;
  }
  QSaveFile out(outPath);
  const QByteArray bytes = sono::lcfc::buildLanguageFile(languages, options);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    std::fprintf(stderr, "sono-lcfc: cannot write %s\n", qPrintable(outPath));
    return 1;
  }
  return 0;
}
