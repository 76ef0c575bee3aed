#pragma once
// A real data module over a fresh embedded database in a temporary
// installation folder, with helpers to add profiles and buttons.

#include "app/data/DM_Sonopaine.h"
#include "support/data/TestDatabase.h"

#include <QByteArray>
#include <QString>

#include <memory>

namespace sono::test {

struct BotaoDemo {
  QByteArray descricao;
  QByteArray arquivo = "a.wav";
  QByteArray atalho;        // empty: null
  QByteArray arquivoIcone;  // empty: null
  int indiceIcone = 0;
  QByteArray loop = "N";
};

class BoardFixture {
 public:
  BoardFixture() {
    db_ = folder.newDatabase();
    folder.writeIni("[BANCO]\r\nCAMINHO=" + db_.toLocal8Bit() + "\r\n");
  }
  ~BoardFixture() { stop(); }

  QString path() const { return folder.path(); }
  QString databasePath() const { return db_; }

  // A profile with its buttons, written from outside the data module;
  // returns its PBO_CODIGO.
  int addProfile(const QByteArray& nome, int tamanho, const QList<BotaoDemo>& botoes) {
    Peer peer(db_, kEmbeddedOnly);
    const int codigo =
        static_cast<int>(peer.scalar("SELECT GEN_ID(GEN_PERFILBOTOES, 1) FROM RDB$DATABASE").toInteger());
    peer.exec("INSERT INTO TB_PERFILBOTOES (PBO_CODIGO, PBO_DESCRICAO, PBO_TAMANHO) VALUES (" +
              QByteArray::number(codigo) + ", '" + nome + "', " + QByteArray::number(tamanho) + ")");
    int ordem = 0;
    for (const BotaoDemo& b : botoes) {
      auto texto = [](const QByteArray& v) { return v.isNull() ? QByteArray("NULL") : "'" + v + "'"; };
      peer.exec(
          "INSERT INTO TB_SONOPAINE (BT_CODIGO, BT_ARQUIVO, BT_DESCRICAO, BT_LOOP, BT_ATALHO, PBO_CODIGO, "
          "BT_TIPO, BT_ARQUIVOICONE, BT_INDEXICONE, BT_ORDEM) VALUES (GEN_ID(GEN_SONOPAINE, 1), " +
          texto(b.arquivo) + ", " + texto(b.descricao) + ", " + texto(b.loop) + ", " +
          texto(b.atalho.isEmpty() ? QByteArray() : b.atalho) + ", " + QByteArray::number(codigo) + ", 'E', " +
          texto(b.arquivoIcone.isEmpty() ? QByteArray() : b.arquivoIcone) + ", " + QByteArray::number(b.indiceIcone) +
          ", " + QByteArray::number(++ordem) + ")");
    }
    return codigo;
  }

  void setSkin(const QByteArray& nome) {
    Peer peer(db_, kEmbeddedOnly);
    peer.exec("UPDATE OR INSERT INTO TB_CONFIGURACAO (CFG_CODIGO, CFG_SKIN) VALUES (1, " +
              (nome.isNull() ? QByteArray("NULL") : "'" + nome + "'") + ") MATCHING (CFG_CODIGO)");
  }

  // Creates the data module as the start sequence does.
  TDM& start() {
    dm_ = std::make_unique<TDM>(folder.path());
    DM = dm_.get();
    DM->DataModuleCreate();
    return *dm_;
  }
  void stop() {
    if (DM == dm_.get()) DM = nullptr;
    dm_.reset();
  }

  TestFolder folder;

 private:
  QString db_;
  std::unique_ptr<TDM> dm_;
};

inline QList<BotaoDemo> botoes(int n) {
  QList<BotaoDemo> out;
  for (int i = 1; i <= n; ++i) out.append({"Botao " + QByteArray::number(i)});
  return out;
}

}  // namespace sono::test
