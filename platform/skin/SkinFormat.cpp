#include "platform/skin/SkinFormat.h"

#include <QMetaEnum>
#include <QStringList>

namespace sono::skin {

namespace {

bool roleByName(const QString& name, QPalette::ColorRole& role) {
  const QMetaEnum e = QMetaEnum::fromType<QPalette::ColorRole>();
  for (int i = 0; i < e.keyCount(); ++i) {
    const auto v = static_cast<QPalette::ColorRole>(e.value(i));
    // NColorRoles and NoRole are no place for a colour.
    if (v >= QPalette::NColorRoles || v == QPalette::NoRole) continue;
    if (name.compare(QLatin1String(e.key(i)), Qt::CaseInsensitive) == 0) {
      role = v;
      return true;
    }
  }
  return false;
}

}  // namespace

SkinDefinition parseSkin(const QString& text) {
  SkinDefinition def;
  QString body = text;
  if (body.startsWith(QChar(0xFEFF))) body.remove(0, 1);
  qsizetype pos = 0;
  while (pos < body.size()) {
    qsizetype end = body.indexOf(QLatin1Char('\n'), pos);
    if (end < 0) end = body.size();
    const QString line = body.mid(pos, end - pos).trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1String("//"))) {
      pos = end + 1;
      continue;
    }
    if (!line.startsWith(QLatin1Char('@'))) break;
    const QStringList parts = line.mid(1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QPalette::ColorRole role{};
    if (parts.size() == 2 && roleByName(parts[0], role)) {
      const QColor c = QColor::fromString(parts[1]);
      if (c.isValid()) def.palette.append({role, c});
    }
    pos = end + 1;
  }
  def.styleSheet = pos < body.size() ? body.mid(pos) : QString();
  return def;
}

QPalette applyPalette(const QPalette& base, const SkinDefinition& skin) {
  QPalette p = base;
  for (const auto& [role, colour] : skin.palette) {
    switch (role) {
      case QPalette::WindowText:
      case QPalette::Text:
      case QPalette::ButtonText:
      case QPalette::HighlightedText:
      case QPalette::PlaceholderText:
      case QPalette::ToolTipText: {
        // Disabled text stays told apart: half way to the background.
        p.setColor(QPalette::Active, role, colour);
        p.setColor(QPalette::Inactive, role, colour);
        const QColor bg = p.color(QPalette::Active, role == QPalette::ButtonText ? QPalette::Button : QPalette::Window);
        p.setColor(
            QPalette::Disabled, role,
            QColor((colour.red() + bg.red()) / 2, (colour.green() + bg.green()) / 2, (colour.blue() + bg.blue()) / 2));
        break;
      }
      default:
        p.setColor(role, colour);
    }
  }
  return p;
}

}  // namespace sono::skin
