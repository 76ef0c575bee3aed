// Window translation with arbitrary keys: the input is a class section
// (key = text lines) compiled into a language file, applied to a window
// holding every kind of component the property tables know. A translation
// may end with ELcTranslateError; nothing else may go wrong.

#include "i18n/LcError.h"
#include "i18n/LcTranslate.h"
#include "i18n/LcUnit.h"
#include "platform/pe/PeImage.h"
#include "platform/widgets/DBLookupComboBox.h"
#include "platform/widgets/PngButton.h"
#include "tools/lcfc/LcfBuilder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include <cstddef>
#include <cstdint>

class TFrmFuzz : public QMainWindow {
  Q_OBJECT
 public:
  TFrmFuzz() {
    setObjectName(QStringLiteral("FrmFuzz"));
    auto* c = new QWidget(this);
    c->setObjectName(QStringLiteral("Panel1"));
    setCentralWidget(c);
    name(new QLabel(QStringLiteral("a"), c), "Label1");
    name(new QPushButton(QStringLiteral("b"), c), "Button1");
    name(new QGroupBox(QStringLiteral("c"), c), "GroupBox1");
    name(new QLineEdit(QStringLiteral("d"), c), "Edit1");
    auto* combo = name(new QComboBox(c), "ComboBox1");
    combo->addItems({QStringLiteral("1"), QStringLiteral("2")});
    auto* editable = name(new QComboBox(c), "ComboBox2");
    editable->setEditable(true);
    name(new sono::widgets::TDBLookupComboBox(c), "DBLookupComboBox1");
    name(new QPlainTextEdit(QStringLiteral("x\ny"), c), "Memo1");
    name(new QPlainTextEdit(c), "Memo2");
    name(new QListWidget(c), "ListBox1")->addItems({QStringLiteral("p"), QStringLiteral("q")});
    name(new QTableWidget(1, 2, c), "DBGrid1");
    auto* tree = name(new QTreeWidget(c), "TreeView1");
    tree->setColumnCount(2);
    auto* view = name(new QTableView(c), "DBGrid2");
    view->setModel(new QStandardItemModel(1, 3, view));
    name(new QTableView(c), "DBGrid3");  // no model
    name(new sono::widgets::TPNGButton(c), "PNGButton1");
    auto* menu = name(new QMenu(this), "PopupMenu1");
    name(menu->addAction(QStringLiteral("m")), "MenuItem1");
    name(new QDialog(this), "Dialog1");
  }

 private:
  template <class T>
  static T* name(T* o, const char* n) {
    o->setObjectName(QLatin1String(n));
    return o;
  }
};

namespace {

// One application for the whole run, destroyed at exit so that what the
// toolkit holds (fonts among it) is released.
QApplication& app() {
  static int argc = 1;
  static char arg0[] = "fuzz_lctranslate";
  static char* argv[] = {arg0, nullptr};
  static const bool offscreen = qputenv("QT_QPA_PLATFORM", "offscreen");
  (void)offscreen;
  static QApplication a(argc, argv);
  return a;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  app();
  using namespace sono;
  const QString body = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const auto source = lcfc::parseLanguageSource(QStringLiteral("language 1033\n[TFrmFuzz]\n") + body);
  if (!source) return 0;
  for (const qint32 lang : {1033, 1041}) {
    lcfc::LanguageSource s = *source;
    s.id = lang;
    if (i18n::LcSetLanguage(pe::PeImage::fromBytes(lcfc::buildLanguageFile({s})), lang) != 1) continue;
    TFrmFuzz w;
    for (int pass = 0; pass < 2; ++pass) {
      try {
        i18n::LcTranslateComponent(&w);
      } catch (const i18n::ELcTranslateError&) {
      }
    }
  }
  i18n::LcReleaseLanguage();
  return 0;
}

#include "fuzz_lctranslate.moc"
