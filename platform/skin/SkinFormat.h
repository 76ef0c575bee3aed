#pragma once
// The skin file (.skn): a Qt style sheet, optionally opened by a palette
// header. Header lines come first and read "@<role> <colour>", e.g.
//   @Window #2b3a4a
//   @ButtonText white
// with <role> a colour role of QPalette (Window, WindowText, Base,
// AlternateBase, Text, Button, ButtonText, BrightText, Highlight,
// HighlightedText, ToolTipBase, ToolTipText, PlaceholderText, Light,
// Midlight, Mid, Dark, Shadow, Link, LinkVisited) and <colour> anything
// QColor reads. Blank lines and lines starting with "//" may sit between
// them. The first other line starts the style sheet, which runs to the end.
// A header line with an unknown role or colour is skipped.

#include <QColor>
#include <QList>
#include <QPalette>
#include <QString>

namespace sono::skin {

struct SkinDefinition {
  QList<QPair<QPalette::ColorRole, QColor>> palette;
  QString styleSheet;
  bool isEmpty() const { return palette.isEmpty() && styleSheet.trimmed().isEmpty(); }
};

SkinDefinition parseSkin(const QString& text);

// The palette with the definition's roles set in every colour group.
QPalette applyPalette(const QPalette& base, const SkinDefinition& skin);

}  // namespace sono::skin
