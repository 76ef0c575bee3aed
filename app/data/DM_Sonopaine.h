#pragma once
// The data module: the one owner of the database connections, their
// transactions and the datasets every window works on. Created once at
// start-up; DataModuleCreate reads BaseKyrel.ini beside the executable,
// connects, and opens the profile list and the configuration row.

#include "platform/firebird/FbDatabase.h"
#include "platform/firebird/FbDataset.h"
#include "platform/firebird/FbStoredProc.h"
#include "platform/firebird/FbTransaction.h"
#include "platform/skin/SkinData.h"

#include <QObject>
#include <QString>

class TDM : public QObject {
  Q_OBJECT
 public:
  // `folder` is where BaseKyrel.ini and the built-in database layout are
  // looked for: the executable's folder in the program.
  explicit TDM(const QString& folder, QObject* parent = nullptr);
  ~TDM() override;

  void DataModuleCreate();

  // Rules wired to the datasets' events.
  void Q_PerfilBotoesAfterPost(sono::fb::FbDataset& ds);
  void Q_SonopaineAfterPost(sono::fb::FbDataset& ds);
  void Q_SonopaineAfterInsert(sono::fb::FbDataset& ds);
  void TB_ConfiguracaoAfterPost(sono::fb::FbDataset& ds);
  void TB_ConfiguracaoAfterCancel(sono::fb::FbDataset& ds);

  const QString& folder() const { return folder_; }
  static QString iniFileName() { return QStringLiteral("BaseKyrel.ini"); }
  QString iniPath() const;

  sono::fb::FbDatabase* DB_Audio;
  sono::fb::FbTransaction* Trans_Audio;
  sono::fb::FbDatabase* DB_KyrelPlay;
  sono::fb::FbTransaction* Trans_KyrelPlay;
  sono::fb::FbDataset* Q_PerfilBotoes;
  sono::fb::FbDataSource* DS_PerfilBotoes;
  sono::fb::FbDataset* Q_Sonopaine;
  sono::fb::FbDataSource* DS_Sonopaine;
  sono::fb::FbTable* TB_Configuracao;
  sono::fb::FbDataSource* DS_Configuracao;
  sono::fb::FbStoredProc SP_AlteraOrdemSonopaine;
  sono::fb::FbStoredProc SP_ReordenarSonopaine;
  // The skin of every window; active from the start, with no skin file.
  sono::skin::TSkinData* sd1;

  QString ConectaKyrelPlay;
  QString CaminhoBotoesKyrelPlay;
  QString ServidorKyrelPlay;

 private:
  void setUpComponents();
  static void reopen(sono::fb::FbDataset* ds);
  void bindButtonsTo(sono::fb::FbDatabase* db, sono::fb::FbTransaction* tra);
  void applyAndCommit(sono::fb::FbDataset& ds);
  QString folder_;
};

// The data module of the running program (set by the start sequence).
extern TDM* DM;
