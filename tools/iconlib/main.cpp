// sono-iconlib: builds the shipped icon libraries from their sources.
//   sono-iconlib places DIGITS.txt PLACES.txt OUT.dll   sequence-place icons
//   sono-iconlib set ICONS.txt OUT.dll                  button icons
// Every icon is written at 32 and 16 pixels.

#include "platform/pe/PeWriter.h"
#include "tools/iconlib/IconArt.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace {

std::optional<QString> readText(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) {
    std::fprintf(stderr, "sono-iconlib: cannot read %s\n", qPrintable(path));
    return std::nullopt;
  }
  return QString::fromUtf8(f.readAll());
}

int fail(const QString& path, const QString& error) {
  std::fprintf(stderr, "%s: %s\n", qPrintable(path), qPrintable(error));
  return 1;
}

int finish(const sono::pe::PeWriter& writer, const QString& out) {
  if (!writer.write(out)) {
    std::fprintf(stderr, "sono-iconlib: cannot write %s\n", qPrintable(out));
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  const QStringList a = app.arguments().mid(1);
  QString error;
  sono::pe::PeWriter writer;
  if (a.size() == 4 && a[0] == "places") {
    const auto digitsText = readText(a[1]);
    const auto placesText = readText(a[2]);
    if (!digitsText || !placesText) return 1;
    const auto font = sono::iconlib::parseDigitFont(*digitsText, &error);
    if (!font) return fail(a[1], error);
    const auto places = sono::iconlib::parsePlaces(*placesText, &error);
    if (!places) return fail(a[2], error);
    for (int i = 0; i < places->size(); ++i) {
      writer.addIconGroup(sono::pe::ResourceName::fromId(quint16(i + 1)),
                          {sono::iconlib::drawPlaceIcon((*places)[i], *font, 32),
                           sono::iconlib::drawPlaceIcon((*places)[i], *font, 16)});
    }
    return finish(writer, a[3]);
  }
  if (a.size() == 3 && a[0] == "set") {
    const auto setText = readText(a[1]);
    if (!setText) return 1;
    const auto icons = sono::iconlib::parseIconSet(*setText, &error);
    if (!icons) return fail(a[1], error);
    for (int i = 0; i < icons->size(); ++i) {
      writer.addIconGroup(sono::pe::ResourceName::fromId(quint16(i + 1)),
                          {sono::iconlib::drawSetIcon((*icons)[i], 32), sono::iconlib::drawSetIcon((*icons)[i], 16)});
    }
    return finish(writer, a[2]);
  }
  std::fprintf(stderr, "usage: sono-iconlib places DIGITS PLACES OUT | set ICONS OUT\n");
  return 2;
}
