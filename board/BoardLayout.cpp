#include "board/BoardLayout.h"

namespace sono::board {

namespace {

// Leading and trailing blanks and control characters go.
QString aparar(const QString& s) {
  qsizetype b = 0;
  qsizetype e = s.size();
  while (b < e && s[b].unicode() <= 32) ++b;
  while (e > b && s[e - 1].unicode() <= 32) --e;
  return s.mid(b, e - b);
}

}  // namespace

QString QuebrarLegenda(const QString& texto, int largura) {
  if (largura < 1 || texto.size() < largura) return texto;
  const qsizetype linhas = texto.size() / largura;
  QString resto = texto;
  QString resultado;
  for (qsizetype n = 0; n < linhas; ++n) {
    resultado += aparar(resto.left(largura)) + QStringLiteral("...") + QChar(13);
    resto.remove(0, largura);
    const qsizetype espaco = resto.indexOf(QLatin1Char(' '));
    if (espaco < 0) break;
    resto = aparar(resto.mid(espaco + 1));
  }
  return resultado;
}

int colunasDoQuadro(int larguraQuadro, int tamanhoPerfil) {
  if (tamanhoPerfil <= 0) return 1;
  return qMax(1, (larguraQuadro - kMargemRolagem) / tamanhoPerfil);
}

int tamanhoDoBotao(int larguraQuadro, int colunas) {
  return qMax(1, (larguraQuadro - kMargemRolagem) / qMax(1, colunas));
}

QPoint posicaoDoBotao(int indice, int colunas, int tamanho) {
  const int c = qMax(1, colunas);
  return QPoint((indice % c) * tamanho, (indice / c) * tamanho);
}

QString alvoDoBotao(const QString& arquivo, const QString& descricao, bool modoIrmao, const QString& servidor) {
  if (descricao.toUpper() == kHoraCerta) return kHoraCerta;
  if (!modoIrmao) return arquivo;
  QString alvo = arquivo;
  const QString prefixo = QStringLiteral("\\\\") + servidor + QLatin1Char('\\');
  alvo.replace(QLatin1String("C:"), prefixo + QLatin1Char('c'), Qt::CaseSensitive);
  alvo.replace(QLatin1String("D:"), prefixo + QLatin1Char('d'), Qt::CaseSensitive);
  alvo.replace(QLatin1String("E:"), prefixo + QLatin1Char('e'), Qt::CaseSensitive);
  return alvo;
}

}  // namespace sono::board
