#include "app/data/DM_Sonopaine.h"

#include "app/data/ConnectionString.h"
#include "app/data/Credentials.h"
#include "platform/firebird/FbError.h"
#include "platform/firebird/FbStatement.h"
#include "platform/ini/IniFile.h"
#include "platform/text/CodePage.h"
#include "platform/widgets/Dialogs.h"

#include <QDir>
#include <QFileInfo>

TDM* DM = nullptr;

using namespace sono;
using fb::FbDataset;

namespace {

const QStringList kTransactionParams = {QStringLiteral("read_committed"), QStringLiteral("rec_version"),
                                        QStringLiteral("nowait")};

QString builtInOwnDatabase(const QString& folder) {
  return QDir(folder).filePath(QStringLiteral("kyreldb/SONOPAINEDB.FDB"));
}

QString builtInSiblingDatabase(const QString& folder) {
  return QDir(folder).absoluteFilePath(QStringLiteral("../Kyrel Play/kyreldb/Kyreldb.fdb"));
}

void setUpConnection(fb::FbDatabase* db, fb::FbTransaction* tra, const QString& name) {
  db->setDatabaseName(name);
  db->setParams(data::connectionParams());
  db->setLoginPrompt(false);
  db->setSqlDialect(data::kSqlDialect);
  db->setDefaultTransaction(tra);
  tra->setDefaultDatabase(db);
  tra->setParams(kTransactionParams);
  tra->setDefaultAction(fb::FbTransaction::Action::Commit);
}

}  // namespace

TDM::TDM(const QString& folder, QObject* parent)
    : QObject(parent),
      DB_Audio(new fb::FbDatabase(this)),
      Trans_Audio(new fb::FbTransaction(this)),
      DB_KyrelPlay(new fb::FbDatabase(this)),
      Trans_KyrelPlay(new fb::FbTransaction(this)),
      Q_PerfilBotoes(new FbDataset(this)),
      DS_PerfilBotoes(new fb::FbDataSource(Q_PerfilBotoes, this)),
      Q_Sonopaine(new FbDataset(this)),
      DS_Sonopaine(new fb::FbDataSource(Q_Sonopaine, this)),
      TB_Configuracao(new fb::FbTable(this)),
      DS_Configuracao(new fb::FbDataSource(TB_Configuracao, this)),
      sd1(new sono::skin::TSkinData(this)),
      folder_(folder) {
  setUpComponents();
  sd1->setActive(true);
}

TDM::~TDM() {
  // Datasets first, then the connections: closing commits the open work.
  Q_Sonopaine->close();
  Q_PerfilBotoes->close();
  TB_Configuracao->close();
  DB_KyrelPlay->close();
  DB_Audio->close();
  if (DM == this) DM = nullptr;
}

QString TDM::iniPath() const { return QDir(folder_).filePath(iniFileName()); }

void TDM::setUpComponents() {
  setUpConnection(DB_Audio, Trans_Audio, builtInOwnDatabase(folder_));
  setUpConnection(DB_KyrelPlay, Trans_KyrelPlay, builtInSiblingDatabase(folder_));

  Q_PerfilBotoes->setDatabase(DB_Audio);
  Q_PerfilBotoes->setTransaction(Trans_Audio);
  Q_PerfilBotoes->setSql(QByteArray("SELECT * FROM TB_PERFILBOTOES"));
  Q_PerfilBotoes->setCachedUpdates(true);
  Q_PerfilBotoes->setGeneratorField({QStringLiteral("PBO_CODIGO"), QStringLiteral("GEN_PERFILBOTOES"), 1});
  Q_PerfilBotoes->setUpdateSql({
      "select PBO_CODIGO, PBO_DESCRICAO, PBO_TAMANHO from TB_PERFILBOTOES where PBO_CODIGO = :PBO_CODIGO",
      "update TB_PERFILBOTOES set PBO_CODIGO = :PBO_CODIGO, PBO_DESCRICAO = :PBO_DESCRICAO, "
      "PBO_TAMANHO = :PBO_TAMANHO where PBO_CODIGO = :OLD_PBO_CODIGO",
      "insert into TB_PERFILBOTOES (PBO_CODIGO, PBO_DESCRICAO, PBO_TAMANHO) "
      "values (:PBO_CODIGO, :PBO_DESCRICAO, :PBO_TAMANHO)",
      "delete from TB_PERFILBOTOES where PBO_CODIGO = :OLD_PBO_CODIGO",
  });
  Q_PerfilBotoes->afterPost = [this](FbDataset& ds) { Q_PerfilBotoesAfterPost(ds); };
  Q_PerfilBotoes->afterDelete = [this](FbDataset& ds) { Q_PerfilBotoesAfterPost(ds); };

  Q_Sonopaine->setDatabase(DB_Audio);
  Q_Sonopaine->setTransaction(Trans_Audio);
  Q_Sonopaine->setSql(QStringList{QStringLiteral("SELECT * FROM TB_SONOPAINE"),
                                  QStringLiteral("WHERE PBO_CODIGO = :PBO_CODIGO"),
                                  QStringLiteral("ORDER BY BT_ORDEM, BT_CODIGO")});
  Q_Sonopaine->setParam(QStringLiteral("PBO_CODIGO"), fb::FbValue());
  Q_Sonopaine->setDataSource(DS_PerfilBotoes);
  Q_Sonopaine->setCachedUpdates(true);
  Q_Sonopaine->setGeneratorField({QStringLiteral("BT_CODIGO"), QStringLiteral("GEN_SONOPAINE"), 1});
  Q_Sonopaine->setUpdateSql({
      "select BT_CODIGO, BT_ARQUIVO, BT_DESCRICAO, BT_LOOP, BT_ATALHO, VIN_CODIGO, PBO_CODIGO, BT_TIPO, "
      "BT_ARQUIVOICONE, BT_INDEXICONE, BT_ORDEM from TB_SONOPAINE where BT_CODIGO = :BT_CODIGO",
      "update TB_SONOPAINE set BT_CODIGO = :BT_CODIGO, BT_ARQUIVO = :BT_ARQUIVO, BT_DESCRICAO = :BT_DESCRICAO, "
      "BT_LOOP = :BT_LOOP, BT_ATALHO = :BT_ATALHO, VIN_CODIGO = :VIN_CODIGO, PBO_CODIGO = :PBO_CODIGO, "
      "BT_TIPO = :BT_TIPO, BT_ARQUIVOICONE = :BT_ARQUIVOICONE, BT_INDEXICONE = :BT_INDEXICONE, "
      "BT_ORDEM = :BT_ORDEM where BT_CODIGO = :OLD_BT_CODIGO",
      "insert into TB_SONOPAINE (BT_CODIGO, BT_ARQUIVO, BT_DESCRICAO, BT_LOOP, BT_ATALHO, VIN_CODIGO, PBO_CODIGO, "
      "BT_TIPO, BT_ARQUIVOICONE, BT_INDEXICONE, BT_ORDEM) values (:BT_CODIGO, :BT_ARQUIVO, :BT_DESCRICAO, "
      ":BT_LOOP, :BT_ATALHO, :VIN_CODIGO, :PBO_CODIGO, :BT_TIPO, :BT_ARQUIVOICONE, :BT_INDEXICONE, :BT_ORDEM)",
      "delete from TB_SONOPAINE where BT_CODIGO = :OLD_BT_CODIGO",
  });
  Q_Sonopaine->afterPost = [this](FbDataset& ds) { Q_SonopaineAfterPost(ds); };
  Q_Sonopaine->afterDelete = [this](FbDataset& ds) { Q_SonopaineAfterPost(ds); };
  Q_Sonopaine->afterInsert = [this](FbDataset& ds) { Q_SonopaineAfterInsert(ds); };

  TB_Configuracao->setDatabase(DB_Audio);
  TB_Configuracao->setTransaction(Trans_Audio);
  TB_Configuracao->setTableName(QStringLiteral("TB_CONFIGURACAO"));
  TB_Configuracao->setCachedUpdates(false);
  TB_Configuracao->setUpdateSql({
      "select CFG_CODIGO, CFG_SKIN, CFG_IDIOMA, CFG_PLACASONOPAINE, CFG_BUFFERSSONOPAINE, CFG_GUID, CFG_VERSAO, "
      "RDB$DB_KEY as IBX_INTERNAL_DBKEY from TB_CONFIGURACAO where CFG_CODIGO = :CFG_CODIGO",
      "update TB_CONFIGURACAO set CFG_CODIGO = :CFG_CODIGO, CFG_SKIN = :CFG_SKIN, CFG_IDIOMA = :CFG_IDIOMA, "
      "CFG_PLACASONOPAINE = :CFG_PLACASONOPAINE, CFG_BUFFERSSONOPAINE = :CFG_BUFFERSSONOPAINE, "
      "CFG_GUID = :CFG_GUID, CFG_VERSAO = :CFG_VERSAO where CFG_CODIGO = :OLD_CFG_CODIGO",
      "insert into TB_CONFIGURACAO (CFG_CODIGO, CFG_SKIN, CFG_IDIOMA, CFG_PLACASONOPAINE, CFG_BUFFERSSONOPAINE, "
      "CFG_GUID, CFG_VERSAO) values (:CFG_CODIGO, :CFG_SKIN, :CFG_IDIOMA, :CFG_PLACASONOPAINE, "
      ":CFG_BUFFERSSONOPAINE, :CFG_GUID, :CFG_VERSAO)",
      "delete from TB_CONFIGURACAO where CFG_CODIGO = :OLD_CFG_CODIGO",
  });
  TB_Configuracao->afterPost = [this](FbDataset& ds) { TB_ConfiguracaoAfterPost(ds); };
  TB_Configuracao->afterCancel = [this](FbDataset& ds) { TB_ConfiguracaoAfterCancel(ds); };

  SP_AlteraOrdemSonopaine.setDatabase(DB_Audio);
  SP_AlteraOrdemSonopaine.setTransaction(Trans_Audio);
  SP_AlteraOrdemSonopaine.setStoredProcName(QStringLiteral("SP_ALTERA_ORDEM_SONOPAINE"));
  SP_ReordenarSonopaine.setDatabase(DB_Audio);
  SP_ReordenarSonopaine.setTransaction(Trans_Audio);
  SP_ReordenarSonopaine.setStoredProcName(QStringLiteral("SP_REORDENAR_SONOPAINE"));
}

void TDM::reopen(FbDataset* ds) {
  ds->close();
  ds->open();
  ds->fetchAll();
  ds->first();
}

void TDM::DataModuleCreate() {
  const QString ini = iniPath();
  if (!QFileInfo::exists(ini)) return;

  const std::optional<ini::IniFile> file = ini::IniFile::load(ini);
  const ini::IniFile values = file.value_or(ini::IniFile());
  auto read = [&](const char* key) { return text::fromAnsi(values.value("BANCO", key)); };
  const QString caminho = read("CAMINHO");
  ConectaKyrelPlay = read("CONECTA_KYREL_PLAY");
  const QString caminhoKyrelPlay = read("CAMINHO_KYREL_PLAY");
  CaminhoBotoesKyrelPlay = read("CAMINHO_BOTOES_KYREL_PLAY");

  try {
    DB_Audio->setDatabaseName(caminho);
    DB_Audio->open();
  } catch (const fb::FbError& e) {
    qWarning("Connecting %s: %s", qUtf8Printable(caminho), qUtf8Printable(e.message()));
    dialogs::showMessage(QStringLiteral("Não foi possível Conectar com a Base de Dados"));
  }

  if (DB_Audio->connected()) {
    // A database without the tables is as good as none: the message says so
    // and the datasets stay closed.
    try {
      reopen(Q_PerfilBotoes);
      reopen(TB_Configuracao);
    } catch (const fb::FbError& e) {
      qWarning("Opening the profiles and configuration: %s", qUtf8Printable(e.message()));
      Q_PerfilBotoes->close();
      TB_Configuracao->close();
      dialogs::showMessage(QStringLiteral("Não foi possível Conectar com a Base de Dados"));
    }
  }

  if (ConectaKyrelPlay == QLatin1String("S")) {
    try {
      DB_KyrelPlay->close();
      DB_KyrelPlay->setDatabaseName(caminhoKyrelPlay);
      DB_KyrelPlay->open();
      ServidorKyrelPlay = data::serverPart(caminhoKyrelPlay);
    } catch (const fb::FbError& e) {
      qWarning("Connecting %s: %s", qUtf8Printable(caminhoKyrelPlay), qUtf8Printable(e.message()));
      dialogs::showMessage(QStringLiteral("Não foi possível Conectar com a Base de Dados do Kyrel Play"));
    }
    if (DB_KyrelPlay->connected()) {
      bindButtonsTo(DB_KyrelPlay, Trans_KyrelPlay);
      try {
        reopen(Q_PerfilBotoes);
      } catch (const fb::FbError& e) {
        // A sibling database without the profile table is treated like one
        // that cannot be reached: profiles and buttons stay on our own.
        qWarning("Opening the sibling profiles: %s", qUtf8Printable(e.message()));
        bindButtonsTo(DB_Audio, Trans_Audio);
        DB_KyrelPlay->close();
        ServidorKyrelPlay.clear();
        dialogs::showMessage(QStringLiteral("Não foi possível Conectar com a Base de Dados do Kyrel Play"));
        if (DB_Audio->connected()) {
          try {
            reopen(Q_PerfilBotoes);
          } catch (const fb::FbError&) {
            Q_PerfilBotoes->close();
          }
        }
      }
    }
  }
}

void TDM::bindButtonsTo(fb::FbDatabase* db, fb::FbTransaction* tra) {
  Q_Sonopaine->close();
  Q_Sonopaine->setDatabase(db);
  Q_Sonopaine->setTransaction(tra);
  Q_PerfilBotoes->close();
  Q_PerfilBotoes->setDatabase(db);
  Q_PerfilBotoes->setTransaction(tra);
}

void TDM::applyAndCommit(FbDataset& ds) {
  ds.applyUpdates();
  ds.transaction()->commitRetaining();
}

void TDM::Q_PerfilBotoesAfterPost(FbDataset& ds) { applyAndCommit(ds); }

void TDM::Q_SonopaineAfterPost(FbDataset& ds) { applyAndCommit(ds); }

void TDM::Q_SonopaineAfterInsert(FbDataset& ds) {
  fb::FbDatabase* db = ds.database();
  fb::FbStatement q(*db, *db->defaultTransaction(), "SELECT MAX(COALESCE(Bt_Ordem, 0)) + 1 FROM Tb_Sonopaine");
  q.execute();
  const fb::FbValue v = q.rows().isEmpty() ? fb::FbValue() : q.rows().first().value(0);
  ds.fieldByName(QStringLiteral("BT_ORDEM")).setInteger(static_cast<int>(v.toInteger()));
}

void TDM::TB_ConfiguracaoAfterPost(FbDataset& ds) {
  if (ds.isEmpty())
    ds.append();
  else
    ds.edit();
  ds.fieldByName(QStringLiteral("CFG_CODIGO")).setInteger(1);
}

void TDM::TB_ConfiguracaoAfterCancel(FbDataset& ds) { TB_ConfiguracaoAfterPost(ds); }
