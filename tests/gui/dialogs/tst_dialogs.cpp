// The dialog service: the real boxes are shown and answered like an
// operator would, and a responder takes their place in other tests.

#include "platform/widgets/Dialogs.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

using namespace sono::dialogs;

namespace {

// Acts on the modal box once it is up.
void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    QWidget* w = QApplication::activeModalWidget();
    if (!w) {
      whenModal(act);
      return;
    }
    act(w);
  });
}

QPushButton* buttonWithText(QWidget* box, const QString& text) {
  for (QPushButton* b : box->findChildren<QPushButton*>())
    if (b->text() == text) return b;
  return nullptr;
}

}  // namespace

class TstDialogs : public QObject {
  Q_OBJECT
 private slots:
  void realQuestionBox() {
    QString shown;
    QStringList buttons;
    whenModal([&](QWidget* w) {
      auto* box = qobject_cast<QMessageBox*>(w);
      QVERIFY(box);
      shown = box->text();
      for (QAbstractButton* b : box->buttons()) buttons << b->text();
      buttonWithText(box, "&No")->click();
    });
    const int answer = messageDlg(QString::fromUtf8("Excluir o botão?\r\rNão há volta."), Kind::Confirmation, Yes | No);
    QCOMPARE(answer, int(No));
    QCOMPARE(shown, QString::fromUtf8("Excluir o botão?\r\rNão há volta."));
    QVERIFY(buttons.contains("&Yes") && buttons.contains("&No"));
  }

  void buttonTextsFollowTheProvider() {
    setButtonTextProvider([](Button b) { return b == Yes ? QStringLiteral("&Sim") : QString(); });
    QStringList buttons;
    whenModal([&](QWidget* w) {
      for (QPushButton* b : w->findChildren<QPushButton*>()) buttons << b->text();
      buttonWithText(w, "&Sim")->click();
    });
    QCOMPARE(messageDlg("?", Kind::Confirmation, Yes | No), int(Yes));
    setButtonTextProvider({});
    QVERIFY(buttons.contains("&Sim"));
    QVERIFY(buttons.contains("&No"));  // no text from the provider: the default
  }

  void realInputBox() {
    whenModal([](QWidget* w) {
      auto* edit = w->findChild<QLineEdit*>();
      QVERIFY(edit);
      QCOMPARE(edit->text(), QStringLiteral("antigo"));
      edit->setText(QStringLiteral("novo"));
      qobject_cast<QDialog*>(w)->accept();
    });
    QString value = QStringLiteral("antigo");
    QVERIFY(inputQuery("Identificador", "Cliente:", value));
    QCOMPARE(value, QStringLiteral("novo"));

    whenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    QVERIFY(!inputQuery("Identificador", "Cliente:", value));
    QCOMPARE(value, QStringLiteral("novo"));
  }

  void responderAnswersAndRecords() {
    ScopedResponder outer;
    {
      ScopedResponder inner([](const Request& r) { return Answer{r.kind == Kind::Input ? int(Ok) : int(No), "x"}; });
      QCOMPARE(messageDlg("a", Kind::Warning, Yes | No), int(No));
      QString v;
      QVERIFY(inputQuery("c", "p", v));
      QCOMPARE(v, QStringLiteral("x"));
      QCOMPARE(inner.texts(), (QStringList{"a", "p"}));
    }
    // Without an answer function the first button offered is pressed.
    showMessage("b");
    QCOMPARE(messageDlg("c", Kind::Confirmation, Yes | No | Cancel), int(Yes));
    QCOMPARE(outer.texts(), (QStringList{"b", "c"}));
    QCOMPARE(outer.asked().first().kind, Kind::Message);
  }
};

QTEST_MAIN(TstDialogs)
#include "tst_dialogs.moc"
