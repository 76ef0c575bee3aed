#include "tools/iconlib/IconArt.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

namespace sono::iconlib {
namespace {

// Comments are "# " at the start of a line or after a blank; a '#' glued to
// other characters is content (colours, rows of the digit font).
QStringList meaningfulLines(const QString& text) {
  QStringList out;
  for (QString line : text.split(QLatin1Char('\n'))) {
    line = line.trimmed();
    if (line == QLatin1String("#") || line.startsWith(QLatin1String("# "))) line.clear();
    const qsizetype comment = line.indexOf(QLatin1String(" # "));
    if (comment >= 0) line.truncate(comment);
    out.append(line.trimmed());
  }
  return out;
}

QPainterPath symbolPath(const QString& s) {
  QPainterPath p;
  p.setFillRule(Qt::OddEvenFill);
  if (s == QLatin1String("note")) {
    p.addEllipse(QPointF(12, 22.5), 5, 3.8);
    p.addRect(15.6, 6, 2, 16);
    p.moveTo(17.6, 6);
    p.cubicTo(20, 9, 25, 10, 23, 16);
    p.cubicTo(23, 12, 20, 11, 17.6, 11);
    p.closeSubpath();
  } else if (s == QLatin1String("notes")) {
    p.addEllipse(QPointF(9.5, 23), 4.3, 3.3);
    p.addEllipse(QPointF(21.5, 20.5), 4.3, 3.3);
    p.addRect(12.3, 8, 1.9, 15);
    p.addRect(24.3, 5.5, 1.9, 15);
    p.moveTo(12.3, 8);
    p.lineTo(26.2, 5.5);
    p.lineTo(26.2, 9.5);
    p.lineTo(12.3, 12);
    p.closeSubpath();
  } else if (s == QLatin1String("speaker")) {
    p.moveTo(6, 13);
    p.lineTo(11, 13);
    p.lineTo(17, 7);
    p.lineTo(17, 25);
    p.lineTo(11, 19);
    p.lineTo(6, 19);
    p.closeSubpath();
    QPainterPathStroker stroke;
    stroke.setWidth(1.8);
    stroke.setCapStyle(Qt::RoundCap);
    for (double r : {4.5, 8.0}) {
      QPainterPath arc;
      arc.arcMoveTo(QRectF(17 - r, 16 - r, 2 * r, 2 * r), -45);
      arc.arcTo(QRectF(17 - r, 16 - r, 2 * r, 2 * r), -45, 90);
      p = p.united(stroke.createStroke(arc));
    }
  } else if (s == QLatin1String("mic")) {
    p.addRoundedRect(12, 4, 8, 15, 4, 4);
    QPainterPath u;
    u.arcMoveTo(QRectF(9, 9, 14, 13), 180);
    u.arcTo(QRectF(9, 9, 14, 13), 180, 180);
    u.moveTo(16, 22);
    u.lineTo(16, 26);
    u.moveTo(12, 27);
    u.lineTo(20, 27);
    QPainterPathStroker stroke;
    stroke.setWidth(1.8);
    p = p.united(stroke.createStroke(u));
  } else if (s == QLatin1String("play")) {
    p.moveTo(11, 7);
    p.lineTo(25, 16);
    p.lineTo(11, 25);
    p.closeSubpath();
  } else if (s == QLatin1String("stop")) {
    p.addRoundedRect(9, 9, 14, 14, 2, 2);
  } else if (s == QLatin1String("star")) {
    for (int i = 0; i < 10; ++i) {
      const double r = i % 2 ? 4.6 : 11;
      const double a = -M_PI / 2 + i * M_PI / 5;
      const QPointF pt(16 + r * std::cos(a), 16.8 + r * std::sin(a));
      if (i == 0) p.moveTo(pt);
      else p.lineTo(pt);
    }
    p.closeSubpath();
  } else if (s == QLatin1String("heart")) {
    p.moveTo(16, 26);
    p.cubicTo(4, 18, 5, 7, 11, 7.5);
    p.cubicTo(14, 7.8, 16, 11, 16, 11);
    p.cubicTo(16, 11, 18, 7.8, 21, 7.5);
    p.cubicTo(27, 7, 28, 18, 16, 26);
    p.closeSubpath();
  } else if (s == QLatin1String("bell")) {
    p.moveTo(8, 22);
    p.cubicTo(10, 19, 10, 16, 10, 13);
    p.cubicTo(10, 8, 13, 6, 16, 6);
    p.cubicTo(19, 6, 22, 8, 22, 13);
    p.cubicTo(22, 16, 22, 19, 24, 22);
    p.closeSubpath();
    p.addEllipse(QPointF(16, 24.5), 2.5, 2.2);
  } else if (s == QLatin1String("clock")) {
    p.addEllipse(QPointF(16, 16), 11, 11);
    p.addEllipse(QPointF(16, 16), 9, 9);
    QPainterPath hands;
    hands.moveTo(16, 9.5);
    hands.lineTo(16, 16);
    hands.lineTo(21, 19);
    QPainterPathStroker stroke;
    stroke.setWidth(2);
    stroke.setCapStyle(Qt::RoundCap);
    p.setFillRule(Qt::OddEvenFill);
    QPainterPath ring = p;
    p = ring.united(stroke.createStroke(hands));
  } else if (s == QLatin1String("flag")) {
    p.addRect(8, 5, 2, 22);
    p.moveTo(10, 6);
    p.cubicTo(15, 4, 18, 9, 24, 7);
    p.lineTo(24, 17);
    p.cubicTo(18, 19, 15, 14, 10, 16);
    p.closeSubpath();
  } else if (s == QLatin1String("bolt")) {
    p.moveTo(18, 4);
    p.lineTo(8, 18);
    p.lineTo(15, 18);
    p.lineTo(13, 28);
    p.lineTo(24, 13);
    p.lineTo(17, 13);
    p.closeSubpath();
  } else if (s == QLatin1String("disc")) {
    p.addEllipse(QPointF(16, 16), 11, 11);
    p.addEllipse(QPointF(16, 16), 3, 3);
  }
  return p;
}

std::optional<QColor> colourOf(const QString& s) {
  const QColor c = QColor::fromString(s);
  if (!c.isValid()) return std::nullopt;
  return c;
}

}  // namespace

QStringList knownSymbols() {
  return {"note", "notes", "speaker", "mic", "play", "stop", "star", "heart", "bell", "clock", "flag", "bolt", "disc"};
}

std::optional<DigitFont> parseDigitFont(const QString& text, QString* error) {
  DigitFont font{};
  std::array<bool, 10> seen{};
  const QStringList lines = meaningfulLines(text);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    bool ok = false;
    const int digit = lines[i].toInt(&ok);
    if (!ok || digit < 0 || digit > 9 || i + 7 >= lines.size()) {
      if (error) *error = QStringLiteral("line %1: expected a digit and 7 rows").arg(i + 1);
      return std::nullopt;
    }
    for (int r = 0; r < 7; ++r) {
      const QString& row = lines[i + 1 + r];
      if (row.size() != 5) {
        if (error) *error = QStringLiteral("line %1: a row has 5 cells").arg(i + 2 + r);
        return std::nullopt;
      }
      for (int c = 0; c < 5; ++c) font[digit][r * 5 + c] = row.at(c) == QLatin1Char('#');
    }
    seen[digit] = true;
    i += 7;
  }
  for (int d = 0; d < 10; ++d) {
    if (!seen[d]) {
      if (error) *error = QStringLiteral("digit %1 is missing").arg(d);
      return std::nullopt;
    }
  }
  return font;
}

std::optional<QList<PlaceIcon>> parsePlaces(const QString& text, QString* error) {
  QList<PlaceIcon> out;
  const QStringList lines = meaningfulLines(text);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QStringList w = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    bool ok = false;
    const int number = w.size() == 2 ? w[0].toInt(&ok) : 0;
    const auto colour = w.size() == 2 ? colourOf(w[1]) : std::nullopt;
    if (!ok || number < 0 || number > 99 || !colour) {
      if (error) *error = QStringLiteral("line %1: expected 'number #colour'").arg(i + 1);
      return std::nullopt;
    }
    out.append({number, *colour});
  }
  return out;
}

std::optional<QList<SetIcon>> parseIconSet(const QString& text, QString* error) {
  QList<SetIcon> out;
  const QStringList lines = meaningfulLines(text);
  const QStringList symbols = knownSymbols();
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (lines[i].isEmpty()) continue;
    const QStringList w = lines[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto bg = w.size() == 3 ? colourOf(w[1]) : std::nullopt;
    const auto fg = w.size() == 3 ? colourOf(w[2]) : std::nullopt;
    if (!bg || !fg || !symbols.contains(w[0])) {
      if (error) *error = QStringLiteral("line %1: expected 'symbol #background #foreground'").arg(i + 1);
      return std::nullopt;
    }
    out.append({w[0], *bg, *fg});
  }
  return out;
}

QImage drawPlaceIcon(const PlaceIcon& icon, const DigitFont& font, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 32.0;
    p.setPen(QPen(Qt::white, 2 * s));
    p.setBrush(icon.colour);
    p.drawEllipse(QRectF(1.5 * s, 1.5 * s, 29 * s, 29 * s));
  }
  // The number in whole pixels, so it stays sharp at every size.
  const QString digits = QString::number(icon.number);
  const int cell = qMax(1, size / 16);
  const int width = (int(digits.size()) * 6 - 1) * cell;
  const int height = 7 * cell;
  const int left = (size - width) / 2;
  const int top = (size - height) / 2;
  for (int d = 0; d < digits.size(); ++d) {
    const auto& glyph = font[digits.at(d).digitValue()];
    for (int r = 0; r < 7; ++r) {
      for (int c = 0; c < 5; ++c) {
        if (!glyph[r * 5 + c]) continue;
        for (int y = 0; y < cell; ++y) {
          for (int x = 0; x < cell; ++x) {
            const int px = left + (d * 6 + c) * cell + x;
            const int py = top + r * cell + y;
            if (px >= 0 && py >= 0 && px < size && py < size) image.setPixel(px, py, qRgb(255, 255, 255));
          }
        }
      }
    }
  }
  return image;
}

QImage drawSetIcon(const SetIcon& icon, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.scale(size / 32.0, size / 32.0);
  QLinearGradient tile(0, 0, 0, 32);
  tile.setColorAt(0, icon.background.lighter(135));
  tile.setColorAt(1, icon.background.darker(115));
  p.setPen(QPen(icon.background.darker(150), 1));
  p.setBrush(tile);
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 31), 6, 6);
  p.setPen(Qt::NoPen);
  p.setBrush(icon.foreground);
  p.drawPath(symbolPath(icon.symbol));
  return image;
}

}  // namespace sono::iconlib
