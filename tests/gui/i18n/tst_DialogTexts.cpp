// The real standard boxes show the built-in strings of the current language.

#include "i18n/DialogTexts.h"
#include "i18n/LcUnit.h"
#include "platform/widgets/Dialogs.h"
#include "support/LanguageFiles.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

using namespace sono;

namespace {

// Runs `act` on the modal box once it is up.
void whenModal(std::function<void(QWidget*)> act) {
  QTimer::singleShot(0, [act] {
    if (QWidget* w = QApplication::activeModalWidget()) act(w);
    else whenModal(act);
  });
}

QStringList buttonTexts(QWidget* w) {
  QStringList out;
  for (QPushButton* b : w->findChildren<QPushButton*>()) out << b->text();
  out.sort();
  return out;
}

}  // namespace

class TestDialogTexts : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;

 private slots:
  void initTestCase() {
    i18n::useBuiltinStringsForDialogs();
    const auto es = testing::source(
        "language 3082\n[strings]\n1005 = &S\\u00ED\n1006 = &No\n1007 = Aceptar\n1008 = Cancelar\n");
    const QString path = testing::writeFile(QDir(dir_.path()), "es.lcf", lcfc::buildLanguageFile({es}));
    QCOMPARE(i18n::LcSetLanguage(path, 3082), 1);
  }
  void cleanupTestCase() {
    i18n::LcReleaseLanguage();
    dialogs::setButtonTextProvider({});
  }

  void boxes_data() {
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("buttons");
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("question") << int(dialogs::Kind::Confirmation) << int(dialogs::Yes | dialogs::No)
                              << QStringList{"&No", QString::fromUtf8("&S\xC3\xAD")};
    QTest::newRow("message") << int(dialogs::Kind::Message) << int(dialogs::Ok) << QStringList{"Aceptar"};
    QTest::newRow("input") << int(dialogs::Kind::Input) << int(dialogs::Ok | dialogs::Cancel)
                           << QStringList{"Aceptar", "Cancelar"};
  }
  void boxes() {
    QFETCH(int, kind);
    QFETCH(int, buttons);
    QFETCH(QStringList, texts);
    QStringList shown;
    whenModal([&](QWidget* w) {
      shown = buttonTexts(w);
      qobject_cast<QDialog*>(w)->reject();
    });
    dialogs::ask({dialogs::Kind(kind), "t", "?", buttons, {}, {}});
    QCOMPARE(shown, texts);
  }
};

QTEST_MAIN(TestDialogTexts)
#include "tst_DialogTexts.moc"
