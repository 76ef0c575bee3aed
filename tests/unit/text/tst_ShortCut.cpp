// Hotkey text both ways: what the button editor writes and the board reads.

#include "platform/text/ShortCut.h"

#include <QTest>

using namespace sono::text;

class TestShortCut : public QObject {
  Q_OBJECT

 private slots:
  void writing_data() {
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    const int none = Qt::NoModifier;
    QTest::newRow("letter") << none << int(Qt::Key_A) << "A";
    QTest::newRow("digit") << none << int(Qt::Key_7) << "7";
    QTest::newRow("keypad digit") << int(Qt::KeypadModifier) << int(Qt::Key_7) << "7";
    QTest::newRow("F1") << none << int(Qt::Key_F1) << "F1";
    QTest::newRow("F24") << none << int(Qt::Key_F24) << "F24";
    QTest::newRow("prefix order") << int(Qt::AltModifier | Qt::ShiftModifier | Qt::ControlModifier) << int(Qt::Key_F5)
                                  << "Shift+Ctrl+Alt+F5";
    QTest::newRow("ctrl alt") << int(Qt::AltModifier | Qt::ControlModifier) << int(Qt::Key_X) << "Ctrl+Alt+X";
    QTest::newRow("meta left out") << int(Qt::MetaModifier | Qt::ShiftModifier) << int(Qt::Key_B) << "Shift+B";
    QTest::newRow("BkSp") << none << int(Qt::Key_Backspace) << "BkSp";
    QTest::newRow("Tab") << none << int(Qt::Key_Tab) << "Tab";
    QTest::newRow("Shift+Tab as the toolkit reports it") << int(Qt::ShiftModifier) << int(Qt::Key_Backtab)
                                                          << "Shift+Tab";
    QTest::newRow("Enter") << none << int(Qt::Key_Return) << "Enter";
    QTest::newRow("keypad Enter") << none << int(Qt::Key_Enter) << "Enter";
    QTest::newRow("Esc") << none << int(Qt::Key_Escape) << "Esc";
    QTest::newRow("Space") << int(Qt::ControlModifier) << int(Qt::Key_Space) << "Ctrl+Space";
    QTest::newRow("PgUp") << none << int(Qt::Key_PageUp) << "PgUp";
    QTest::newRow("PgDn") << none << int(Qt::Key_PageDown) << "PgDn";
    QTest::newRow("End") << none << int(Qt::Key_End) << "End";
    QTest::newRow("Home") << none << int(Qt::Key_Home) << "Home";
    QTest::newRow("Left") << none << int(Qt::Key_Left) << "Left";
    QTest::newRow("Up") << none << int(Qt::Key_Up) << "Up";
    QTest::newRow("Right") << none << int(Qt::Key_Right) << "Right";
    QTest::newRow("Down") << none << int(Qt::Key_Down) << "Down";
    QTest::newRow("Ins") << none << int(Qt::Key_Insert) << "Ins";
    QTest::newRow("Del") << int(Qt::ShiftModifier) << int(Qt::Key_Delete) << "Shift+Del";
    QTest::newRow("other key: its own name") << none << int(Qt::Key_Comma) << ",";
    QTest::newRow("plus key") << int(Qt::ControlModifier) << int(Qt::Key_Plus) << "Ctrl++";
    QTest::newRow("a modifier alone has no name") << int(Qt::ControlModifier) << int(Qt::Key_Shift) << "";
    QTest::newRow("no key") << none << 0 << "";
  }
  void writing() {
    QFETCH(int, modifiers);
    QFETCH(int, key);
    QFETCH(QString, text);
    QCOMPARE(shortCutToText(QKeyCombination(Qt::KeyboardModifiers(modifiers), Qt::Key(key))), text);
  }

  void reading_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("key");
    const int none = Qt::NoModifier;
    const int unknown = Qt::Key_unknown;
    QTest::newRow("written form") << "Shift+Ctrl+Alt+F5" << int(Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier)
                                  << int(Qt::Key_F5);
    QTest::newRow("any order, any case") << "alt+SHIFT+a" << int(Qt::AltModifier | Qt::ShiftModifier) << int(Qt::Key_A);
    QTest::newRow("caret for ctrl") << "^Q" << int(Qt::ControlModifier) << int(Qt::Key_Q);
    QTest::newRow("caret among prefixes") << "Shift+^del" << int(Qt::ShiftModifier | Qt::ControlModifier)
                                          << int(Qt::Key_Delete);
    QTest::newRow("key name case") << "pgdn" << none << int(Qt::Key_PageDown);
    QTest::newRow("lower-case letter") << "ctrl+x" << int(Qt::ControlModifier) << int(Qt::Key_X);
    QTest::newRow("Enter") << "Enter" << none << int(Qt::Key_Return);
    QTest::newRow("F12") << "f12" << none << int(Qt::Key_F12);
    QTest::newRow("plus key") << "Ctrl++" << int(Qt::ControlModifier) << int(Qt::Key_Plus);
    QTest::newRow("other key by its name") << "Alt+," << int(Qt::AltModifier) << int(Qt::Key_Comma);
    QTest::newRow("empty") << "" << none << unknown;
    QTest::newRow("prefix only") << "Ctrl+" << none << unknown;
    QTest::newRow("unknown name") << "Ctrl+Banana" << none << unknown;
    QTest::newRow("F25") << "F25" << none << unknown;
    QTest::newRow("F0") << "F0" << none << unknown;
    QTest::newRow("F01") << "F01" << none << unknown;
    QTest::newRow("two keys") << "A+B" << none << unknown;
    QTest::newRow("toolkit name we never write") << "Backspace" << none << unknown;
    QTest::newRow("meta is no prefix") << "Meta+A" << none << unknown;
  }
  void reading() {
    QFETCH(QString, text);
    QFETCH(int, modifiers);
    QFETCH(int, key);
    const QKeyCombination c = textToShortCut(text);
    QCOMPARE(int(c.key()), key);
    QCOMPARE(int(c.keyboardModifiers()), modifiers);
    QCOMPARE(isShortCut(c), key != Qt::Key_unknown);
  }

  void everyWrittenTextReadsBack() {
    // Every named key with every modifier set survives the round trip.
    QList<int> keys;
    for (int k = Qt::Key_Space; k <= Qt::Key_AsciiTilde; ++k) keys << k;
    for (int k = Qt::Key_Escape; k <= Qt::Key_PageDown; ++k) keys << k;
    for (int k = Qt::Key_F1; k <= Qt::Key_F24; ++k) keys << k;
    for (int k : keys) {
      if (k >= 'a' && k <= 'z') continue;  // not key codes: letters are upper case
      for (int m = 0; m < 8; ++m) {
        const Qt::KeyboardModifiers mods = Qt::KeyboardModifiers((m & 1 ? Qt::ShiftModifier : Qt::NoModifier) |
                                                                 (m & 2 ? Qt::ControlModifier : Qt::NoModifier) |
                                                                 (m & 4 ? Qt::AltModifier : Qt::NoModifier));
        const QString text = shortCutToText(QKeyCombination(mods, Qt::Key(k)));
        if (text.isEmpty()) continue;
        const QString again = shortCutToText(textToShortCut(text));
        QVERIFY2(again == text, qPrintable(text + " -> " + again));
      }
    }
  }
};

QTEST_GUILESS_MAIN(TestShortCut)
#include "tst_ShortCut.moc"
