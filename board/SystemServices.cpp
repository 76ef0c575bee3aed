#include "board/SystemServices.h"

#include "platform/pe/IconFile.h"
#include "platform/pe/PeImage.h"
#include "platform/text/ShortCut.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>

#include <list>
#include <memory>

namespace sono::board {

namespace {

// A board takes most of its icons from one or two libraries, and many
// buttons share an icon; opening a library and reading its directory once
// per button would be most of a rebuild's time. The last few files stay
// open with the icons taken from them, and a file that has changed since
// is read again.
class CacheModulos {
 public:
  QImage icone(const QString& arquivo, int indice) {
    if (indice < 0) return {};
    const QFileInfo info(arquivo);
    if (!info.isFile()) return {};
    const qint64 tamanho = info.size();
    const QDateTime alterado = info.lastModified();
    for (auto it = modulos_.begin(); it != modulos_.end(); ++it) {
      if (it->caminho != arquivo) continue;
      if (it->tamanho == tamanho && it->alterado == alterado) {
        modulos_.splice(modulos_.begin(), modulos_, it);
        return extrair(modulos_.front(), indice);
      }
      modulos_.erase(it);
      break;
    }
    // Not a module (an .ico file, or no icon file at all) is remembered too,
    // so it is not tried as one again.
    modulos_.push_front({arquivo, tamanho, alterado, pe::PeImage::open(arquivo)});
    if (modulos_.size() > kMaximo) modulos_.pop_back();
    return extrair(modulos_.front(), indice);
  }

 private:
  static constexpr size_t kMaximo = 8;
  struct Modulo {
    QString caminho;
    qint64 tamanho;
    QDateTime alterado;
    std::unique_ptr<pe::PeImage> modulo;
    QHash<int, QImage> icones;  // null images too: no icon at that index
  };

  static QImage extrair(Modulo& m, int indice) {
    const auto it = m.icones.constFind(indice);
    if (it != m.icones.constEnd()) return *it;
    const QImage img = m.modulo ? pe::extractIcon(*m.modulo, indice, pe::kLargeIconSize)
                                : pe::extractIcon(m.caminho, indice, pe::kLargeIconSize);
    m.icones.insert(indice, img);
    return img;
  }
  std::list<Modulo> modulos_;
};

}  // namespace

TQuadroBotoes::FonteIcones fonteIconesDoSistema() {
  auto cache = std::make_shared<CacheModulos>();
  return [cache](const QString& arquivo, int indice) { return cache->icone(arquivo, indice); };
}

TQuadroBotoes::LeitorAtalho leitorAtalhoDoSistema() {
  return [](const QString& texto) { return text::textToShortCut(texto); };
}

}  // namespace sono::board
