#pragma once
// Conversion between the system's 8-bit texts (Windows ANSI code pages) and
// QString. The database, BaseKyrel.ini and the 8-bit fields of language
// files hold such bytes; everything in memory is QString.

#include <QByteArray>
#include <QString>

namespace sono::text {

constexpr int kDefaultCodePage = 1252;

// Bytes in the given Windows code page -> QString. Bytes the code page does
// not define become U+FFFD; a code page ICU does not know falls back to 1252.
QString fromAnsi(const QByteArray& bytes, int codePage = kDefaultCodePage);

// QString -> bytes in the given Windows code page; characters the code page
// cannot hold become '?', as Windows' own conversion does.
QByteArray toAnsi(const QString& text, int codePage = kDefaultCodePage);

// Whether ICU has a converter for this Windows code page.
bool isKnownCodePage(int codePage);

}  // namespace sono::text
