#include "tools/lcfc/LcfBuilder.h"

#include "platform/text/CodePage.h"
#include "platform/text/LanguageInfo.h"

#include <QtEndian>

#include <map>
#include <set>

namespace sono::lcfc {
namespace {

void append32(QByteArray& b, qint32 v) {
  char raw[4];
  qToLittleEndian<qint32>(v, raw);
  b.append(raw, 4);
}
void put32(QByteArray& b, qint64 at, qint32 v) { qToLittleEndian<qint32>(v, b.data() + at); }

QByteArray utf16le(const QString& s) {
  QByteArray out(s.size() * 2, '\0');
  for (qsizetype i = 0; i < s.size(); ++i) qToLittleEndian<quint16>(s.at(i).unicode(), out.data() + 2 * i);
  return out;
}

QByteArray header(const QList<LanguageSource>& langs, const BuildOptions& o) {
  QByteArray h("LCHEADER");
  append32(h, o.extraPair ? 1 : 0);
  append32(h, qint32(langs.size()));
  for (const auto& l : langs) append32(h, l.id);
  if (o.header == HeaderKind::LcHeade2) {
    for (const auto& l : langs) append32(h, l.codePage.value_or(text::defaultAnsiCodePage(l.id)));
  }
  return h;
}

QByteArray stringResource(const QList<const QString*>& columns) {
  QByteArray out(8 * columns.size(), '\0');
  for (qsizetype k = 0; k < columns.size(); ++k) {
    if (!columns[k]) {
      put32(out, 8 * k, 0);
      put32(out, 8 * k + 4, -1);
      continue;
    }
    const QByteArray t = utf16le(*columns[k]);
    put32(out, 8 * k, qint32(out.size()));
    put32(out, 8 * k + 4, qint32(t.size()));
    out += t;
  }
  return out;
}

struct MergedClass {
  QString name;
  QList<QByteArray> keys;                          // first-seen order
  std::map<QByteArray, std::map<int, QString>> texts;  // key -> language index -> text
};

QByteArray classResource(const MergedClass& c, int languageCount) {
  QByteArray out;
  const QByteArray info = text::toAnsi(c.name);
  append32(out, qint32(info.size()));
  out += info;
  append32(out, qint32(c.keys.size()));
  const qint64 table = out.size();
  out.append(QByteArray(8 * c.keys.size(), '\0'));
  for (qsizetype e = 0; e < c.keys.size(); ++e) {
    const qint64 entryAt = out.size();
    const QByteArray& key = c.keys[e];
    const auto& texts = c.texts.at(key);
    QByteArray entry(8 + 8 * languageCount, '\0');
    put32(entry, 0, qint32(entry.size()));
    put32(entry, 4, qint32(key.size()));
    entry += key;
    for (int i = 0; i < languageCount; ++i) {
      const auto it = texts.find(i);
      if (it == texts.end()) {
        put32(entry, 8 + 8 * i, 0);
        put32(entry, 12 + 8 * i, -1);
        continue;
      }
      const QByteArray t = utf16le(it->second);
      put32(entry, 8 + 8 * i, qint32(entry.size()));
      put32(entry, 12 + 8 * i, qint32(t.size()));
      entry += t;
    }
    put32(out, table + 8 * e, qint32(entryAt - table));
    put32(out, table + 8 * e + 4, qint32(entry.size()));  // the entry's size, for readers that want it
    out += entry;
  }
  return out;
}

}  // namespace

QByteArray buildLanguageFile(const QList<LanguageSource>& langs, const BuildOptions& o) {
  pe::PeWriter writer;
  writer.addResource(pe::RtRcData,
                     pe::ResourceName::fromString(o.header == HeaderKind::LcHeader ? "LCHEADER" : "LCHEADE2"),
                     header(langs, o));

  std::set<quint32> ids;
  for (const auto& l : langs) {
    for (const auto& [id, t] : l.strings) ids.insert(id);
  }
  for (const quint32 id : ids) {
    QList<const QString*> columns;
    if (o.extraPair) columns.append(nullptr);
    for (const auto& l : langs) {
      const auto it = l.strings.find(id);
      columns.append(it == l.strings.end() ? nullptr : &it->second);
    }
    writer.addResource(pe::RtRcData, pe::ResourceName::fromString(QString::number(id)), stringResource(columns));
  }

  QList<MergedClass> classes;
  for (int i = 0; i < langs.size(); ++i) {
    for (const ClassSection& section : langs[i].classes) {
      MergedClass* c = nullptr;
      for (auto& existing : classes) {
        if (existing.name.compare(section.name, Qt::CaseInsensitive) == 0) c = &existing;
      }
      if (!c) {
        classes.append({section.name, {}, {}});
        c = &classes.last();
      }
      for (const ClassEntry& e : section.entries) {
        if (!c->texts.count(e.key)) c->keys.append(e.key);
        c->texts[e.key][i] = e.text;
      }
    }
  }
  for (const MergedClass& c : classes) {
    writer.addResource(pe::RtRcData, pe::ResourceName::fromString(c.name.toUpper()),
                       classResource(c, int(langs.size())));
  }
  return writer.build(o.format);
}

}  // namespace sono::lcfc
