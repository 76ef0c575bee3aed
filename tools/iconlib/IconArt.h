#pragma once
// The pictures of the shipped icon libraries, drawn from their sources in
// assets/icons: the sequence places (a numbered badge) and the button icon
// set (a symbol on a coloured tile). Drawing uses only paths and pixels, so
// the result does not depend on the fonts of the machine that builds it.

#include <QColor>
#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace sono::iconlib {

// 5 × 7 cells per digit, row by row, true where set.
using DigitFont = std::array<std::array<bool, 35>, 10>;

struct PlaceIcon {
  int number = 0;
  QColor colour;
};

struct SetIcon {
  QString symbol;
  QColor background;
  QColor foreground;
};

// Source readers; nullopt with a message naming the line on failure.
std::optional<DigitFont> parseDigitFont(const QString& text, QString* error);
std::optional<QList<PlaceIcon>> parsePlaces(const QString& text, QString* error);
std::optional<QList<SetIcon>> parseIconSet(const QString& text, QString* error);

// The symbols a set line may name.
QStringList knownSymbols();

QImage drawPlaceIcon(const PlaceIcon& icon, const DigitFont& font, int size);
QImage drawSetIcon(const SetIcon& icon, int size);

}  // namespace sono::iconlib
