#include "i18n/LcUnit.h"

#include "i18n/LcText.h"
#include "platform/pe/ByteView.h"
#include "platform/text/CodePage.h"
#include "platform/text/LanguageInfo.h"

#include <algorithm>

namespace sono::i18n {
namespace {

constexpr qint64 kHeaderMinSize = 16;
constexpr int kFlagExtraPair = 1;

// The one current language (UI thread). Its destruction at exit releases
// the language like LcReleaseLanguage does.
std::unique_ptr<TLcf>& current() {
  static std::unique_ptr<TLcf> lcf;
  return lcf;
}

enum class Source { File, BuiltIn };

// The file's text for the id at the string column; nullopt when the file has
// no usable text for it (no resource, no text for the column, or a pair or
// text outside the resource).
std::optional<QString> fileText(const TLcf& lcf, quintptr id) {
  const auto data = lcf.Module->rcdata(QString::number(id));
  if (!data) return std::nullopt;
  const pe::ByteView d(*data);
  const qint64 at = qint64(lcf.StringColumn) * 8;
  const auto offset = d.i32(at);
  const auto length = d.i32(at + 4);
  if (!offset || !length || *length < 0) return std::nullopt;
  return readUtf16(d, *offset, *length);
}

QString loadForLanguage(const TLcf& lcf, const TResStringRec& rec) {
  if (rec.identifier < 65536) {
    if (auto t = fileText(lcf, rec.identifier)) {
      // The 8-bit form is what the system keeps; it goes back to QString in
      // the language's own code page, so what is shown is what was converted.
      const qint32 cp = lcf.CodePage > 0 ? lcf.CodePage : text::kDefaultCodePage;
      return text::fromAnsi(LcToAnsi(*t, lcf.CodePage), cp);
    }
  }
  return text::fromAnsi(loadPlainString(rec), text::kDefaultCodePage);
}

}  // namespace

QByteArray LcToAnsi(const QString& t, qint32 codePage) {
  return text::toAnsi(t, codePage > 0 ? codePage : text::kDefaultCodePage);
}

const TLcf* LcCurrentLanguage() { return current().get(); }

void LcReleaseLanguage() {
  std::unique_ptr<TLcf>& lcf = current();
  if (!lcf) return;
  lcf->Redirect.reset();
  lcf.reset();  // closes the file
}

qint32 LcSetLanguage(const QString& fileName, qint32 langId, TLcEnumLanguageProc enumProc, void* context) {
  LcReleaseLanguage();
  return LcSetLanguage(pe::PeImage::open(fileName), langId, enumProc, context);
}

qint32 LcSetLanguage(std::unique_ptr<pe::PeImage> module, qint32 langId, TLcEnumLanguageProc enumProc,
                     void* context) {
  LcReleaseLanguage();
  if (!module) return -1;

  bool secondForm = false;
  auto header = module->rcdata(QStringLiteral("LCHEADER"));
  if (!header) {
    header = module->rcdata(QStringLiteral("LCHEADE2"));
    secondForm = true;
  }
  if (!header || header->size() < kHeaderMinSize || header->first(8) != QByteArrayView("LCHEADER")) return -1;
  const pe::ByteView h(*header);
  const qint32 flags = *h.i32(8);
  const qint32 count = *h.i32(12);
  // A count that the data cannot hold is cut to the ids that are there, so a
  // damaged header never reads past its end.
  const qint64 idsThere = (h.size() - 16) / 4;
  const qint64 n = std::clamp(qint64(count), qint64(0), idsThere);

  if (enumProc) {
    for (qint64 i = 0; i < n; ++i) {
      if (enumProc(*h.i32(16 + 4 * i), context) == 0) break;
    }
  }

  qint64 index = -1;
  for (qint64 i = 0; i < n; ++i) {
    if (*h.i32(16 + 4 * i) == langId) {
      index = i;
      break;
    }
  }
  if (index < 0) return 0;

  auto lcf = std::make_unique<TLcf>();
  lcf->StringColumn = qint32(index);
  lcf->EntryColumn = qint32(index);
  if (secondForm) {
    // The table follows the declared n ids; a code page outside the data is
    // 0, the system default.
    lcf->CodePage = h.i32(16 + 4 * qint64(count) + 4 * index).value_or(0);
  } else {
    lcf->CodePage = text::defaultAnsiCodePage(langId);
  }
  if (flags & kFlagExtraPair) lcf->StringColumn = qint32(index + 1);
  lcf->Module = std::move(module);
  const TLcf* raw = lcf.get();
  lcf->Redirect = std::make_unique<TProc>([raw](const TResStringRec& rec) { return loadForLanguage(*raw, rec); });
  current() = std::move(lcf);
  return 1;
}

void LcLoadResString(const TResStringRec& rec, QByteArray& out) {
  if (rec.identifier >= 65536) {
    out = loadPlainString(rec);
    return;
  }
  if (const TLcf* lcf = LcCurrentLanguage()) {
    if (auto t = fileText(*lcf, rec.identifier)) {
      out = LcToAnsi(*t, lcf->CodePage);
      return;
    }
  }
  out = loadPlainString(rec);
}

}  // namespace sono::i18n
