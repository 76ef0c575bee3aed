// Window translation on real widgets, with language files made by the
// project's compiler: the class chain, what each kind of widget lets a file
// translate, what is skipped, the errors that end a window's translation,
// zero and missing texts, code pages, and that a second translation writes
// nothing.

#include "i18n/LcClassChain.h"
#include "i18n/LcError.h"
#include "i18n/LcTranslate.h"
#include "i18n/LcUnit.h"
#include "platform/widgets/DBLookupComboBox.h"
#include "platform/widgets/Dialogs.h"
#include "platform/widgets/PngButton.h"
#include "support/LanguageFiles.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

using namespace sono;
using namespace sono::i18n;

// A window with one component of each kind the language files address,
// designed in Portuguese like the system's windows.
class TFrmTeste : public QDialog {
  Q_OBJECT
 public:
  TFrmTeste() {
    setObjectName(QStringLiteral("FrmTeste"));
    setWindowTitle(QStringLiteral("Teste"));
    lblMensagem = label("lblMensagem", QStringLiteral("Mensagem"));
    lblTeclaEmUso = label("lblTeclaEmUso", QStringLiteral("Esta tecla já está em uso por outro botão."));
    lblEscolhaOutraTecla = label("lblEscolhaOutraTecla", QStringLiteral("Escolha outra tecla."));
    BOk = new QPushButton(QStringLiteral("Gravar"), this);
    BOk->setObjectName(QStringLiteral("BOk"));
    BOk->setToolTip(QStringLiteral("Salva"));
    GroupBox1 = new QGroupBox(QStringLiteral("Configurações: "), this);
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    EdNome = new QLineEdit(QStringLiteral("nome"), this);
    EdNome->setObjectName(QStringLiteral("EdNome"));
    CBLista = new QComboBox(this);
    CBLista->setObjectName(QStringLiteral("CBLista"));
    CBLista->addItems({QStringLiteral("Um"), QStringLiteral("Dois"), QStringLiteral("Três")});
    CBLookup = new widgets::TDBLookupComboBox(this);
    CBLookup->setObjectName(QStringLiteral("CBLookup"));
    CBLookup->addItem(QStringLiteral("dado"));
    Memo1 = new QPlainTextEdit(QStringLiteral("linha 1\nlinha 2"), this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    DBGrid1 = new QTableWidget(0, 2, this);
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setHorizontalHeaderLabels({QStringLiteral("Descrição"), QStringLiteral("Tamanho")});
    SBImagem = new widgets::TPNGButton(this);
    SBImagem->setObjectName(QStringLiteral("SBImagem"));
    SBImagem->setText(QStringLiteral("Imagem"));
    Acao = new QAction(QStringLiteral("Excluir"), this);
    Acao->setObjectName(QStringLiteral("Acao"));
    Acao->setToolTip(QStringLiteral("Exclui"));
    // A window parented to this one owns its own components.
    DlgInterno = new QDialog(this);
    DlgInterno->setObjectName(QStringLiteral("DlgInterno"));
    lblInterno = new QLabel(QStringLiteral("Interno"), DlgInterno);
    lblInterno->setObjectName(QStringLiteral("lblInterno"));
  }

  // A message built from two labels, joined as the system joins two texts.
  void avisarConflito() {
    dialogs::showMessage(lblTeclaEmUso->text() + QStringLiteral("\r\r") + lblEscolhaOutraTecla->text());
  }

  // Every text a translation could touch, in a fixed order.
  QStringList textos() const {
    QStringList t{windowTitle(),
                  lblMensagem->text(),
                  lblTeclaEmUso->text(),
                  lblEscolhaOutraTecla->text(),
                  BOk->text(),
                  BOk->toolTip(),
                  GroupBox1->title(),
                  EdNome->text(),
                  CBLista->currentText(),
                  CBLookup->currentText(),
                  Memo1->toPlainText(),
                  SBImagem->text(),
                  Acao->text(),
                  Acao->toolTip(),
                  lblInterno->text(),
                  DlgInterno->windowTitle()};
    for (int i = 0; i < CBLista->count(); ++i) t << CBLista->itemText(i);
    for (int i = 0; i < DBGrid1->columnCount(); ++i) t << DBGrid1->horizontalHeaderItem(i)->text();
    return t;
  }

  QLabel* lblMensagem;
  QLabel* lblTeclaEmUso;
  QLabel* lblEscolhaOutraTecla;
  QPushButton* BOk;
  QGroupBox* GroupBox1;
  QLineEdit* EdNome;
  QComboBox* CBLista;
  widgets::TDBLookupComboBox* CBLookup;
  QPlainTextEdit* Memo1;
  QTableWidget* DBGrid1;
  widgets::TPNGButton* SBImagem;
  QAction* Acao;
  QDialog* DlgInterno;
  QLabel* lblInterno;

 private:
  QLabel* label(const char* name, const QString& caption) {
    auto* l = new QLabel(caption, this);
    l->setObjectName(QLatin1String(name));
    l->hide();
    return l;
  }
};

// A window class of its own on top of TFrmTeste.
class TFrmTesteFilha : public TFrmTeste {
  Q_OBJECT
};

class TFrmPrincipalTeste : public QMainWindow {
  Q_OBJECT
};

namespace {

// Counts what a write makes the widgets report: title and hint change
// events, and the change signals of edits, lists, memos, grid headers and
// actions.
class ChangeCounter : public QObject {
 public:
  explicit ChangeCounter(TFrmTeste& w) {
    watch(&w);
    for (QWidget* child : w.findChildren<QWidget*>()) watch(child);
    connect(w.EdNome, &QLineEdit::textChanged, this, [this] { ++count; });
    connect(w.CBLista->model(), &QAbstractItemModel::dataChanged, this, [this] { ++count; });
    connect(w.Memo1, &QPlainTextEdit::textChanged, this, [this] { ++count; });
    connect(w.DBGrid1->model(), &QAbstractItemModel::headerDataChanged, this, [this] { ++count; });
    connect(w.Acao, &QAction::changed, this, [this] { ++count; });
  }
  int count = 0;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::WindowTitleChange || e->type() == QEvent::ToolTipChange) ++count;
    return false;
  }

 private:
  void watch(QObject* o) { o->installEventFilter(this); }
};

}  // namespace

class TestLcTranslate : public QObject {
  Q_OBJECT

  QTemporaryDir dir_;
  int files_ = 0;

  // A language file with Portuguese (1046) and one more language, from the
  // class sections of each; returns its path.
  QString languageFile(const QString& portuguese, const QString& other, qint32 otherId = 1033,
                       lcfc::BuildOptions options = {}) {
    const auto pt = testing::source(QStringLiteral("language 1046\n") + portuguese);
    const auto xx = testing::source(QStringLiteral("language %1\n").arg(otherId) + other);
    return testing::writeFile(QDir(dir_.path()), QStringLiteral("t%1.lcf").arg(++files_),
                              lcfc::buildLanguageFile({pt, xx}, options));
  }

  // Makes the other language of such a file current.
  bool useLanguage(const QString& other, qint32 otherId = 1033, lcfc::BuildOptions options = {}) {
    return LcSetLanguage(languageFile({}, other, otherId, options), otherId) == 1;
  }

  static QString section(const QByteArray& key, const QString& text) {
    return QStringLiteral("[TFrmTeste]\n") + QString::fromLatin1(key) + QStringLiteral(" = ") + text +
           QStringLiteral("\n");
  }

 private slots:
  void cleanup() { LcReleaseLanguage(); }

  void classChain_data() {
    QTest::addColumn<const QMetaObject*>("meta");
    QTest::addColumn<QStringList>("chain");
    const QStringList form{"TComponent", "TControl", "TWinControl", "TScrollingWinControl", "TCustomForm", "TForm"};
    QTest::addRow("dialog window") << &TFrmTeste::staticMetaObject << (form + QStringList{"TFrmTeste"});
    QTest::addRow("window derived from a window")
        << &TFrmTesteFilha::staticMetaObject << (form + QStringList{"TFrmTeste", "TFrmTesteFilha"});
    QTest::addRow("main window") << &TFrmPrincipalTeste::staticMetaObject << (form + QStringList{"TFrmPrincipalTeste"});
    QTest::addRow("own widget in a namespace")
        << &widgets::TPNGButton::staticMetaObject << QStringList{"TComponent", "TControl", "TWinControl", "TPNGButton"};
    QTest::addRow("toolkit widget") << &QLabel::staticMetaObject
                                    << QStringList{"TComponent", "TControl", "TWinControl"};
  }
  void classChain() {
    QFETCH(const QMetaObject*, meta);
    QFETCH(QStringList, chain);
    QCOMPARE(LcClassChain(meta), chain);
  }

  void nothingCurrentTranslatesNothing() {
    TFrmTeste w;
    const QStringList before = w.textos();
    QVERIFY(!LcTranslateComponent(&w));
    QCOMPARE(w.textos(), before);
  }

  void translatesEachKind_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");  // which text of the window shows it
    QTest::addRow("window title") << QByteArray("FrmTeste-Caption") << "Test"
                                  << "title";
    QTest::addRow("names and properties without regard to case") << QByteArray("frmteste-CAPTION") << "Test"
                                                                 << "title";
    QTest::addRow("label") << QByteArray("lblMensagem-Caption") << "Message"
                           << "lblMensagem";
    QTest::addRow("button") << QByteArray("BOk-Caption") << "&Save"
                            << "BOk";
    QTest::addRow("hint") << QByteArray("BOk-Hint") << "Saves"
                          << "BOk.hint";
    QTest::addRow("picture button") << QByteArray("SBImagem-Caption") << "Picture"
                                    << "SBImagem";
    QTest::addRow("group box") << QByteArray("GroupBox1-Caption") << "Settings"
                               << "GroupBox1";
    QTest::addRow("edit") << QByteArray("EdNome-Text") << "name"
                          << "EdNome";
    QTest::addRow("list line, last element") << QByteArray("CBLista-Items.Strings(1)") << "Two"
                                             << "CBLista.1";
    QTest::addRow("list line, middle element") << QByteArray("CBLista-Items(1).Anything.Else") << "Two"
                                               << "CBLista.1";
    QTest::addRow("list text picks the entry") << QByteArray("CBLista-Text") << "Três"
                                               << "CBLista";
    QTest::addRow("memo line") << QByteArray("Memo1-Lines.Strings(1)") << "line 2"
                               << "Memo1.1";
    QTest::addRow("grid column title") << QByteArray("DBGrid1-Columns<1>.Title.Caption") << "Size"
                                       << "DBGrid1.1";
    QTest::addRow("action") << QByteArray("Acao-Caption") << "Delete"
                            << "Acao";
    QTest::addRow("action hint") << QByteArray("Acao-Hint") << "Deletes"
                                 << "Acao.hint";
    QTest::addRow("text after a second '-' is not part of the path") << QByteArray("BOk-Caption-Obs") << "&Save"
                                                                     << "BOk";
  }
  void translatesEachKind() {
    QFETCH(QByteArray, key);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QVERIFY(useLanguage(section(key, text)));
    TFrmTeste w;
    QVERIFY(LcTranslateComponent(&w));
    const QHash<QString, std::function<QString()>> read{
        {"title", [&] { return w.windowTitle(); }},
        {"lblMensagem", [&] { return w.lblMensagem->text(); }},
        {"BOk", [&] { return w.BOk->text(); }},
        {"BOk.hint", [&] { return w.BOk->toolTip(); }},
        {"SBImagem", [&] { return w.SBImagem->text(); }},
        {"GroupBox1", [&] { return w.GroupBox1->title(); }},
        {"EdNome", [&] { return w.EdNome->text(); }},
        {"CBLista", [&] { return w.CBLista->currentText(); }},
        {"CBLista.1", [&] { return w.CBLista->itemText(1); }},
        {"Memo1.1", [&] { return w.Memo1->toPlainText().split('\n').value(1); }},
        {"DBGrid1.1", [&] { return w.DBGrid1->horizontalHeaderItem(1)->text(); }},
        {"Acao", [&] { return w.Acao->text(); }},
        {"Acao.hint", [&] { return w.Acao->toolTip(); }},
    };
    QVERIFY(read.contains(shown));
    QCOMPARE(read[shown](), text);
  }

  void skipsWhatItCannotWrite_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addRow("unknown component") << QByteArray("Nada-Caption");
    QTest::addRow("no component name") << QByteArray("-Caption");
    QTest::addRow("component of a window inside this one") << QByteArray("lblInterno-Caption");
    QTest::addRow("the inner window itself") << QByteArray("DlgInterno-Caption");
    QTest::addRow("unknown property") << QByteArray("BOk-Legenda");
    QTest::addRow("property that is not text") << QByteArray("BOk-Width");
    QTest::addRow("read-only property") << QByteArray("CBLookup-Text");
    QTest::addRow("object property as the last element") << QByteArray("CBLista-Items");
    QTest::addRow("list property as a last Name(i)") << QByteArray("CBLista-Items(1)");
    QTest::addRow("collection as the last element") << QByteArray("DBGrid1-Columns<0>");
    QTest::addRow("line past the end") << QByteArray("CBLista-Items.Strings(3)");
    QTest::addRow("list without line number") << QByteArray("CBLista-Items.Strings");
    QTest::addRow("text property in the middle") << QByteArray("BOk-Caption.Outro");
    QTest::addRow("line of something that is not a list") << QByteArray("BOk-Caption(0).X");
    QTest::addRow("bad index of an unknown component") << QByteArray("Nada-Items(x)");
    QTest::addRow("column property that is not text") << QByteArray("DBGrid1-Columns<0>.Width");
  }
  void skipsWhatItCannotWrite() {
    QFETCH(QByteArray, key);
    QVERIFY(useLanguage(section(key, QStringLiteral("X"))));
    TFrmTeste w;
    const QStringList before = w.textos();
    QVERIFY(LcTranslateComponent(&w));
    QCOMPARE(w.textos(), before);
  }

  void errorsEndTheTranslation_data() {
    QTest::addColumn<QByteArray>("key");
    QTest::addRow("line index not a number") << QByteArray("CBLista-Items.Strings(x)");
    QTest::addRow("index read before the property is looked up") << QByteArray("BOk-Legenda(x)");
    QTest::addRow("item index not a number") << QByteArray("DBGrid1-Columns<a>.Title.Caption");
    QTest::addRow("index past the collection") << QByteArray("DBGrid1-Columns<2>.Title.Caption");
    // The key's path ends at its second "-", so a negative index never
    // gets there: what is left has no index.
    QTest::addRow("minus sign in the index") << QByteArray("DBGrid1-Columns<-1>.Title.Caption");
    QTest::addRow("Name<i> on a string list") << QByteArray("CBLista-Items<0>.Caption");
  }
  void errorsEndTheTranslation() {
    QFETCH(QByteArray, key);
    // Entries apply from the last one written to the first: the label's
    // before the bad one, the button's after it.
    QVERIFY(useLanguage(QStringLiteral("[TFrmTeste]\nBOk-Caption = After\n") + QString::fromLatin1(key) +
                        QStringLiteral(" = X\nlblMensagem-Caption = Before\n")));
    TFrmTeste w;
    QVERIFY_THROWS_EXCEPTION(ELcTranslateError, LcTranslateComponent(&w));
    QCOMPARE(w.lblMensagem->text(), QStringLiteral("Before"));
    QCOMPARE(w.BOk->text(), QStringLiteral("Gravar"));
  }

  void ownClassResourceOrNothing() {
    const QString sections = QStringLiteral(
        "[TForm]\nlblMensagem-Caption = form\nBOk-Caption = form\n"
        "[TFrmTeste]\nlblMensagem-Caption = parent\n");
    QVERIFY(useLanguage(sections));
    {
      TFrmTesteFilha child;  // no resource of its own: not even its ancestors' entries
      const QStringList before = child.textos();
      QVERIFY(!LcTranslateComponent(&child));
      QCOMPARE(child.textos(), before);
    }
    QVERIFY(useLanguage(QStringLiteral("[TForm]\nlblMensagem-Caption = form\n")));
    {
      TFrmTeste w;
      QVERIFY(!LcTranslateComponent(&w));
      QCOMPARE(w.lblMensagem->text(), QStringLiteral("Mensagem"));
    }
    QVERIFY(useLanguage(sections + QStringLiteral("[TFrmTesteFilha]\nEdNome-Text = child\n")));
    TFrmTesteFilha child;
    QVERIFY(LcTranslateComponent(&child));
    QCOMPARE(child.lblMensagem->text(), QStringLiteral("parent"));  // ancestors' entries first
    QCOMPARE(child.BOk->text(), QStringLiteral("form"));
    QCOMPARE(child.EdNome->text(), QStringLiteral("child"));
  }

  void entriesOfAClassApplyFromLastToFirst() {
    QVERIFY(useLanguage(QStringLiteral("[TFrmTeste]\nLBLMENSAGEM-Caption = first\nlblMensagem-Caption = second\n")));
    TFrmTeste w;
    QVERIFY(LcTranslateComponent(&w));
    QCOMPARE(w.lblMensagem->text(), QStringLiteral("first"));
  }

  void zeroLengthClearsMissingTextKeeps() {
    const QString pt = QStringLiteral("[TFrmTeste]\nlblMensagem-Caption = Mensagem\nBOk-Caption = Gravar agora\n");
    const QString en = QStringLiteral("[TFrmTeste]\nlblMensagem-Caption =\n");  // no text for BOk: length −1
    QCOMPARE(LcSetLanguage(languageFile(pt, en), 1033), 1);
    TFrmTeste w;
    QVERIFY(LcTranslateComponent(&w));
    QCOMPARE(w.lblMensagem->text(), QString());
    QCOMPARE(w.BOk->text(), QStringLiteral("Gravar"));
  }

  void secondTranslationWritesNothing() {
    QVERIFY(
        useLanguage(QStringLiteral("[TFrmTeste]\n"
                                   "FrmTeste-Caption = Test\n"
                                   "lblMensagem-Caption = Message\n"
                                   "BOk-Caption = &Save\n"
                                   "BOk-Hint = Saves\n"
                                   "GroupBox1-Caption = Settings:\\s\n"
                                   "EdNome-Text = name\n"
                                   "CBLista-Items.Strings(0) = One\n"
                                   "Memo1-Lines.Strings(1) = line 2\n"
                                   "DBGrid1-Columns<0>.Title.Caption = Description\n"
                                   "Acao-Caption = Delete\n"
                                   "Acao-Hint = Deletes\n")));
    TFrmTeste w;
    ChangeCounter changes(w);
    QVERIFY(LcTranslateComponent(&w));
    QVERIFY(changes.count >= 7);
    const QStringList translated = w.textos();
    changes.count = 0;
    QVERIFY(LcTranslateComponent(&w));
    QCOMPARE(changes.count, 0);
    QCOMPARE(w.textos(), translated);
  }

  void codePages_data() {
    QTest::addColumn<qint32>("langId");
    QTest::addColumn<bool>("headerTable");  // LCHEADE2 with the source's code page
    QTest::addColumn<QString>("line");
    const QString japanese = QStringLiteral("日本語の項目");
    // A list line goes through the language's code page, all of it; a
    // property through the system's, which has no Japanese.
    QTest::addRow("932 from the header table") << 1041 << true << japanese;
    QTest::addRow("932 as Japanese's default") << 1041 << false << japanese;
    QTest::addRow("1252") << 1033 << true << QStringLiteral("??????");
  }
  void codePages() {
    QFETCH(qint32, langId);
    QFETCH(bool, headerTable);
    QFETCH(QString, line);
    lcfc::BuildOptions o;
    o.header = headerTable ? lcfc::HeaderKind::LcHeade2 : lcfc::HeaderKind::LcHeader;
    const QString codePage = langId == 1041 ? QStringLiteral("codepage 932\n") : QStringLiteral("codepage 1252\n");
    QVERIFY(useLanguage(codePage + QStringLiteral("[TFrmTeste]\nCBLista-Items.Strings(0) = 日本語の項目\n"
                                                  "lblMensagem-Caption = 日本語\n"),
                        langId, o));
    TFrmTeste w;
    QVERIFY(LcTranslateComponent(&w));
    QCOMPARE(w.CBLista->itemText(0), line);
    QCOMPARE(w.lblMensagem->text(), QStringLiteral("???"));
  }

  void messageFromTwoLabelsIsShownTranslated() {
    dialogs::ScopedResponder answers;
    TFrmTeste w;
    w.avisarConflito();
    QVERIFY(
        useLanguage(QStringLiteral("[TFrmTeste]\n"
                                   "lblTeclaEmUso-Caption = This key is already used by another button.\n"
                                   "lblEscolhaOutraTecla-Caption = Choose another key.\n")));
    QVERIFY(LcTranslateComponent(&w));
    w.avisarConflito();
    QCOMPARE(answers.texts(),
             (QStringList{QStringLiteral("Esta tecla já está em uso por outro botão.\r\rEscolha outra tecla."),
                          QStringLiteral("This key is already used by another button.\r\rChoose another key.")}));
    QVERIFY(!w.lblTeclaEmUso->isVisible());
  }
};

QTEST_MAIN(TestLcTranslate)
#include "tst_LcTranslate.moc"
