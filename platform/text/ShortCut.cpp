#include "platform/text/ShortCut.h"

#include <QKeySequence>

namespace sono::text {
namespace {

struct KeyName {
  Qt::Key key;
  const char* name;
};
// Keys whose names are fixed texts of their own; everything else takes the
// toolkit's portable key name.
constexpr KeyName kNamed[] = {
    // The toolkit reports Shift+Tab as Backtab; the text stays "Shift+Tab".
    {Qt::Key_Backspace, "BkSp"}, {Qt::Key_Tab, "Tab"},     {Qt::Key_Backtab, "Tab"},   {Qt::Key_Return, "Enter"},
    {Qt::Key_Enter, "Enter"},
    {Qt::Key_Escape, "Esc"},     {Qt::Key_Space, "Space"}, {Qt::Key_PageUp, "PgUp"},   {Qt::Key_PageDown, "PgDn"},
    {Qt::Key_End, "End"},        {Qt::Key_Home, "Home"},   {Qt::Key_Left, "Left"},     {Qt::Key_Up, "Up"},
    {Qt::Key_Right, "Right"},    {Qt::Key_Down, "Down"},   {Qt::Key_Insert, "Ins"},    {Qt::Key_Delete, "Del"},
};

bool isModifierKey(int key) {
  return key == Qt::Key_Shift || key == Qt::Key_Control || key == Qt::Key_Alt || key == Qt::Key_Meta ||
         key == Qt::Key_AltGr || key == Qt::Key_CapsLock || key == Qt::Key_NumLock;
}

QString keyName(int key) {
  if (key == 0 || key == Qt::Key_unknown || isModifierKey(key)) return {};
  if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) return QString(QChar(key));
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return QStringLiteral("F%1").arg(key - Qt::Key_F1 + 1);
  for (const auto& n : kNamed) {
    if (n.key == key) return QString::fromLatin1(n.name);
  }
  // A name the toolkit gives in its portable form ("Print", ",", "Pause"…);
  // a multi-key or empty rendering is no name.
  if (key >= Qt::Key_F25 && key <= Qt::Key_F35) return {};  // no such keys on the keyboards we serve
  const QString s = QKeySequence(key).toString(QKeySequence::PortableText);
  if (s.isEmpty() || s.contains(QLatin1String(", ")) || s.startsWith(QLatin1String("0x"))) return {};
  // Codes the toolkit has no name for come back as the code itself turned
  // into a character; a named special key is plain ASCII.
  if (key >= Qt::Key_Escape) {
    for (QChar c : s) {
      if (c.unicode() < 0x20 || c.unicode() > 0x7E) return {};
    }
  }
  return s;
}

int keyForName(const QString& name) {
  if (name.isEmpty()) return 0;
  if (name.size() == 1) {
    const QChar c = name.at(0).toUpper();
    if ((c >= QLatin1Char('A') && c <= QLatin1Char('Z')) || (c >= QLatin1Char('0') && c <= QLatin1Char('9')))
      return c.unicode();
  }
  if (name.size() >= 2 && name.size() <= 3 && name.at(0).toUpper() == QLatin1Char('F')) {
    bool ok = false;
    const int n = name.mid(1).toInt(&ok);
    if (ok && n >= 1 && n <= 24 && name.at(1) != QLatin1Char('0') && name.at(1).isDigit())
      return Qt::Key_F1 + n - 1;
  }
  for (const auto& n : kNamed) {
    if (name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) return n.key;
  }
  // Other names: accept exactly the names shortCutToText writes.
  const QKeySequence seq = QKeySequence::fromString(name, QKeySequence::PortableText);
  if (seq.count() != 1) return 0;
  const QKeyCombination c = seq[0];
  if (c.keyboardModifiers() != Qt::NoModifier) return 0;
  const int key = c.key();
  if (keyName(key).compare(name, Qt::CaseInsensitive) != 0) return 0;
  return key;
}

}  // namespace

QString shortCutToText(QKeyCombination shortcut) {
  const QString name = keyName(shortcut.key());
  if (name.isEmpty()) return {};
  const Qt::KeyboardModifiers m = shortcut.keyboardModifiers();
  QString s;
  if (m & Qt::ShiftModifier) s += QLatin1String("Shift+");
  if (m & Qt::ControlModifier) s += QLatin1String("Ctrl+");
  if (m & Qt::AltModifier) s += QLatin1String("Alt+");
  return s + name;
}

QKeyCombination textToShortCut(const QString& text) {
  Qt::KeyboardModifiers m;
  QString rest = text;
  // Prefixes may come in any order; the last character is always part of
  // the key's name, so "Ctrl++" is Ctrl with the plus key.
  for (;;) {
    if (rest.size() > 6 && rest.startsWith(QLatin1String("Shift+"), Qt::CaseInsensitive)) {
      m |= Qt::ShiftModifier;
      rest.remove(0, 6);
    } else if (rest.size() > 5 && rest.startsWith(QLatin1String("Ctrl+"), Qt::CaseInsensitive)) {
      m |= Qt::ControlModifier;
      rest.remove(0, 5);
    } else if (rest.size() > 4 && rest.startsWith(QLatin1String("Alt+"), Qt::CaseInsensitive)) {
      m |= Qt::AltModifier;
      rest.remove(0, 4);
    } else if (rest.size() > 1 && rest.startsWith(QLatin1Char('^'))) {
      m |= Qt::ControlModifier;
      rest.remove(0, 1);
    } else {
      break;
    }
  }
  const int key = keyForName(rest);
  if (key == 0) return QKeyCombination(Qt::NoModifier, Qt::Key_unknown);
  return QKeyCombination(m, static_cast<Qt::Key>(key));
}

}  // namespace sono::text
