// The main window's language at creation, against a real database and the
// shipped language file: the languages listed into CBIdiomas, the saved
// CFG_IDIOMA chosen without regard to case, the window translated, and every
// failure leaving the designed Portuguese texts.

#include "app/Application.h"
#include "app/data/DM_Sonopaine.h"
#include "board/U_Sonopaine.h"
#include "i18n/BuiltinStrings.h"
#include "i18n/LanguageNames.h"
#include "i18n/LcUnit.h"
#include "platform/text/CodePage.h"
#include "platform/widgets/Dialogs.h"
#include "support/LanguageFiles.h"
#include "support/data/TestDatabase.h"

#include <QFile>
#include <QFileInfo>
#include <QtTest>

using namespace sono;

namespace {

// Every designed text of the main window, by component.
QStringList textos(const TFrmSonopaine& w) {
  QStringList t{w.windowTitle(),
                w.LPerfil->text(),
                w.BEditarPerfil->text(),
                w.BOpcoes->text(),
                w.CbSequencia->text(),
                w.BPlaySeq->text(),
                w.BLimpaSeq->text(),
                w.lblTocarSequencia->text(),
                w.lblPararSequencia->text(),
                w.lblDesejaRealmenteExcluirEsteBotao->text(),
                w.lblConfirmacao->text(),
                w.lblDigiteNovaPosicaoBotao->text(),
                w.lblPosicaoInformadaInvalida->text(),
                w.lblHaNovaAtualizacaoDisponivelDesejaAtualizarAgora->text()};
  for (QAction* a : w.PopupMenu1->actions())
    if (!a->isSeparator()) t << a->text();
  return t;
}

const QStringList kPortugues{"Kyrel Sonopaine 2015",
                             "Perfil: ",
                             "Editar Perfil",
                             "Opções",
                             "Marcar sequência",
                             "Tocar sequência",
                             "Limpar sequência",
                             "Tocar sequência",
                             "Parar sequência",
                             "Deseja realmente excluir este botão?",
                             "Confirmação",
                             "Digite a nova posição do botão",
                             "Posição informada inválida",
                             "Há uma nova atualização disponível. Deseja atualizar o sistema agora?",
                             "Excluir Botão",
                             "Alterar Botão",
                             "Alterar Posição",
                             "Adicionar Botão"};

const QStringList kIngles{"Kyrel Sonopaine 2015",
                          "Profile: ",
                          "Edit Profile",
                          "Options",
                          "Mark sequence",
                          "Play sequence",
                          "Clear sequence",
                          "Play sequence",
                          "Stop sequence",
                          "Do you really want to delete this button?",
                          "Confirmation",
                          "Type the button's new position",
                          "The position entered is not valid",
                          "A new update is available. Do you want to update the system now?",
                          "Delete Button",
                          "Edit Button",
                          "Change Position",
                          "Add Button"};

QString shippedFile() { return qEnvironmentVariable("SONO_BUILD_DIR") + QStringLiteral("/Sonopaine.lcf"); }

// The language file's name in an installation: the executable's, ".lcf".
QString nomeDoArquivo() {
  return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName() + QStringLiteral(".lcf");
}

}  // namespace

class TestMainWindowLanguage : public QObject {
  Q_OBJECT

  // An installation with a database whose configuration row names
  // `idioma`, and `arquivo` (bytes) as its language file under `nome`.
  struct Instalacao {
    test::TestFolder folder;
    std::unique_ptr<TDM> dm;

    Instalacao(const QString& idioma, const QByteArray& arquivo, const QString& nome) {
      const QString db = folder.newDatabase();
      folder.writeIni("[BANCO]\r\nCAMINHO=" + text::toAnsi(db) + "\r\n");
      if (!arquivo.isNull()) testing::writeFile(QDir(folder.path()), nome, arquivo);
      dm = std::make_unique<TDM>(folder.path());
      DM = dm.get();
      DM->DataModuleCreate();
      DM->TB_Configuracao->edit();
      DM->TB_Configuracao->fieldByName(QStringLiteral("CFG_IDIOMA")).setString(idioma);
      DM->TB_Configuracao->post();
    }
    ~Instalacao() {
      DM = nullptr;
      dm.reset();
    }
  };

  static QByteArray readShipped() {
    QFile f(shippedFile());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private slots:
  void initTestCase() { QVERIFY2(QFileInfo::exists(shippedFile()), qPrintable(shippedFile())); }
  void cleanup() { i18n::LcReleaseLanguage(); }

  void languageAtCreation_data() {
    QTest::addColumn<QString>("idioma");        // CFG_IDIOMA
    QTest::addColumn<QByteArray>("arquivo");    // the language file; null: none
    QTest::addColumn<QString>("nome");          // its name in the installation
    QTest::addColumn<qint32>("escolhido");      // id of the selected entry; 0: none
    QTest::addColumn<QStringList>("esperado");  // the window's texts
    const QByteArray shipped = readShipped();
    const QString ingles = i18n::LcLanguageName(1033);
    QTest::addRow("English by its name") << ingles << shipped << nomeDoArquivo() << 1033 << kIngles;
    QTest::addRow("English in other letter case") << ingles.toUpper() << shipped << nomeDoArquivo() << 1033 << kIngles;
    QTest::addRow("file name in other letter case")
        << ingles << shipped << nomeDoArquivo().toUpper() << 1033 << kIngles;
    QTest::addRow("no saved language: Portuguese") << QString() << shipped << nomeDoArquivo() << 1046 << kPortugues;
    QTest::addRow("language the file does not offer")
        << QStringLiteral("Klingon") << shipped << nomeDoArquivo() << 0 << kPortugues;
    QTest::addRow("no language file") << ingles << QByteArray() << nomeDoArquivo() << 0 << kPortugues;
    QTest::addRow("not a language file") << ingles << QByteArray("MZ not really") << nomeDoArquivo() << 0 << kPortugues;
  }
  void languageAtCreation() {
    QFETCH(QString, idioma);
    QFETCH(QByteArray, arquivo);
    QFETCH(QString, nome);
    QFETCH(qint32, escolhido);
    QFETCH(QStringList, esperado);
    dialogs::ScopedResponder answers;
    Instalacao inst(idioma, arquivo, nome);
    TFrmSonopaine w(nullptr, inst.folder.path(), DM->sd1);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(textos(w), esperado);
    const int atual = w.CBIdiomas->currentIndex();
    QCOMPARE(atual < 0 ? 0 : w.CBIdiomas->itemData(atual).toInt(), escolhido);
    // The message labels and the language list stay hidden.
    QVERIFY(!w.lblConfirmacao->isVisible());
    QVERIFY(!w.CBIdiomas->isVisible());
    QVERIFY(answers.asked().isEmpty());
  }

  void listsTheFileLanguagesByName() {
    dialogs::ScopedResponder answers;
    Instalacao inst(i18n::LcLanguageName(3082), readShipped(), nomeDoArquivo());
    TFrmSonopaine w(nullptr, inst.folder.path(), DM->sd1);
    QStringList nomes;
    QList<qint32> ids;
    for (int i = 0; i < w.CBIdiomas->count(); ++i) {
      nomes << w.CBIdiomas->itemText(i);
      ids << w.CBIdiomas->itemData(i).toInt();
    }
    QCOMPARE(ids, (QList<qint32>{1046, 1033, 3082}));
    QCOMPARE(nomes, (QStringList{i18n::LcLanguageName(1046), i18n::LcLanguageName(1033), i18n::LcLanguageName(3082)}));
    QCOMPARE(w.CBIdiomas->currentIndex(), 2);
    QCOMPARE(w.BEditarPerfil->text(), QStringLiteral("Editar perfil"));
    QCOMPARE(w.lblConfirmacao->text(), QStringLiteral("Confirmación"));
    // The language stays current for the built-in strings and later windows.
    QCOMPARE(i18n::builtinString(i18n::SMsgDlgYes), QStringLiteral("&Sí"));
  }

  void startSequenceGivesTheBoxesTheLanguage() {
    test::TestFolder folder;
    const QString db = folder.newDatabase();
    folder.writeIni("[BANCO]\r\nCAMINHO=" + text::toAnsi(db) + "\r\n");
    testing::writeFile(QDir(folder.path()), nomeDoArquivo(), readShipped());
    {
      test::Peer peer(db, test::kEmbeddedOnly);
      peer.exec("UPDATE TB_CONFIGURACAO SET CFG_IDIOMA = '" + text::toAnsi(i18n::LcLanguageName(3082)) + "'");
    }
    dialogs::ScopedResponder answers;
    {
      app::Application application(folder.path());
      QCOMPARE(application.mainWindow().BOpcoes->text(), QStringLiteral("Opciones"));
      QCOMPARE(dialogs::buttonText(dialogs::Yes), QStringLiteral("&Sí"));
      QCOMPARE(dialogs::buttonText(dialogs::Cancel), QStringLiteral("Cancelar"));
    }
    dialogs::setButtonTextProvider({});
  }

  void translationErrorIsSwallowed() {
    // The English entries apply from the last one written: BEditarPerfil,
    // then the broken entry, which ends the translation before BOpcoes.
    const auto pt = testing::source(QStringLiteral("language 1046\n"));
    const auto en = testing::source(
        QStringLiteral("language 1033\n[TFrmSonopaine]\nBOpcoes-Caption = Options\nCBIdiomas-Items<0>.Caption = x\n"
                       "BEditarPerfil-Caption = Edit Profile\n"));
    dialogs::ScopedResponder answers;
    Instalacao inst(i18n::LcLanguageName(1033), lcfc::buildLanguageFile({pt, en}), nomeDoArquivo());
    TFrmSonopaine w(nullptr, inst.folder.path(), DM->sd1);
    QCOMPARE(w.BEditarPerfil->text(), QStringLiteral("Edit Profile"));
    QCOMPARE(w.BOpcoes->text(), QStringLiteral("Opções"));
    QVERIFY(answers.asked().isEmpty());
  }
};

QTEST_MAIN(TestMainWindowLanguage)
#include "tst_MainWindowLanguage.moc"
