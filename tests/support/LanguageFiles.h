#pragma once
// Language files for tests: made with the project's compiler from sources
// written in the test, or by hand (broken ones) with the PE writer.

#include "platform/pe/PeWriter.h"
#include "tools/lcfc/LcfBuilder.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QtEndian>

namespace sono::testing {

inline QString writeFile(const QDir& dir, const QString& name, const QByteArray& bytes) {
  const QString path = dir.filePath(name);
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size()) return {};
  return path;
}

// A source for the compiler; aborts the test binary on a syntax error in
// the test itself.
inline lcfc::LanguageSource source(const QString& text) {
  lcfc::ParseError e;
  auto src = lcfc::parseLanguageSource(text, &e);
  if (!src) qFatal("test language source, line %d: %s", e.line, qPrintable(e.message));
  return *src;
}

inline QByteArray le32(qint32 v) {
  QByteArray b(4, '\0');
  qToLittleEndian<qint32>(v, b.data());
  return b;
}

// A module holding the given RCDATA resources only.
inline QByteArray rcdataModule(const QList<QPair<QString, QByteArray>>& resources,
                               pe::PeWriter::Format format = pe::PeWriter::Format::Pe32) {
  pe::PeWriter w;
  for (const auto& [name, data] : resources) w.addResource(pe::RtRcData, pe::ResourceName::fromString(name), data);
  return w.build(format);
}

// A header resource's bytes: magic, flags, ids (and code pages).
inline QByteArray headerBytes(qint32 flags, const QList<qint32>& ids, const QList<qint32>& codePages = {}) {
  QByteArray h("LCHEADER");
  h += le32(flags) + le32(qint32(ids.size()));
  for (qint32 id : ids) h += le32(id);
  for (qint32 cp : codePages) h += le32(cp);
  return h;
}

inline QByteArray utf16le(const QString& s) {
  QByteArray out(s.size() * 2, '\0');
  for (qsizetype i = 0; i < s.size(); ++i) qToLittleEndian<quint16>(s.at(i).unicode(), out.data() + 2 * i);
  return out;
}

}  // namespace sono::testing
