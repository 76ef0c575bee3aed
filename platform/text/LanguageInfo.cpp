#include "platform/text/LanguageInfo.h"

#include <QLocale>

#include <unicode/uloc.h>

namespace sono::text {
namespace {

// Windows' defaults, by primary language (the low ten bits of the LCID);
// the languages written in two scripts are told apart by the full LCID in
// kByLcid first.
struct CodePageOf {
  int id;
  int codePage;
};
constexpr CodePageOf kByLcid[] = {
    {0x0404, 950},  {0x0804, 936},  {0x0C04, 950},  {0x1004, 936},  {0x1404, 950},   // Chinese
    {0x041A, 1250}, {0x081A, 1250}, {0x0C1A, 1251}, {0x101A, 1250}, {0x141A, 1250},  // Croatian, Serbian, Bosnian
    {0x181A, 1250}, {0x1C1A, 1251}, {0x201A, 1251}, {0x241A, 1250}, {0x281A, 1251},
    {0x2C1A, 1250}, {0x301A, 1251},
    {0x042C, 1254}, {0x082C, 1251},  // Azerbaijani Latin, Cyrillic
    {0x0443, 1254}, {0x0843, 1251},  // Uzbek Latin, Cyrillic
    {0x0850, 0},                     // Mongolian in its own script
    {0x085D, 1252}, {0x045D, 0},     // Inuktitut Latin, syllabics
    {0x0846, 1256}, {0x0446, 0},     // Punjabi in Arabic and Gurmukhi script
    {0x0859, 1256},                  // Sindhi (Arabic script)
    {0x0468, 1252},                  // Hausa (Latin)
};
constexpr CodePageOf kByPrimary[] = {
    {0x01, 1256}, {0x02, 1251}, {0x03, 1252}, {0x05, 1250}, {0x06, 1252}, {0x07, 1252}, {0x08, 1253},
    {0x09, 1252}, {0x0A, 1252}, {0x0B, 1252}, {0x0C, 1252}, {0x0D, 1255}, {0x0E, 1250}, {0x0F, 1252},
    {0x10, 1252}, {0x11, 932},  {0x12, 949},  {0x13, 1252}, {0x14, 1252}, {0x15, 1250}, {0x16, 1252},
    {0x17, 1252}, {0x18, 1250}, {0x19, 1251}, {0x1B, 1250}, {0x1C, 1250}, {0x1D, 1252}, {0x1E, 874},
    {0x1F, 1254}, {0x20, 1256}, {0x21, 1252}, {0x22, 1251}, {0x23, 1251}, {0x24, 1250}, {0x25, 1257},
    {0x26, 1257}, {0x27, 1257}, {0x28, 1251}, {0x29, 1256}, {0x2A, 1258}, {0x2D, 1252}, {0x2E, 1252},
    {0x2F, 1251}, {0x32, 1252}, {0x34, 1252}, {0x35, 1252}, {0x36, 1252}, {0x38, 1252}, {0x3B, 1252},
    {0x3C, 1252}, {0x3E, 1252}, {0x3F, 1251}, {0x40, 1251}, {0x41, 1252}, {0x42, 1250}, {0x44, 1251},
    {0x50, 1251}, {0x52, 1252}, {0x56, 1252}, {0x62, 1252}, {0x64, 1252}, {0x67, 1252}, {0x68, 1252},
    {0x6A, 1252}, {0x6B, 1252}, {0x6C, 1252}, {0x6D, 1251}, {0x6E, 1252}, {0x6F, 1252}, {0x70, 1252},
    {0x7A, 1252}, {0x7C, 1252}, {0x7E, 1252}, {0x80, 1256}, {0x82, 1252}, {0x83, 1252}, {0x84, 1252},
    {0x85, 1251}, {0x86, 1252}, {0x87, 1252}, {0x88, 1252}, {0x8C, 1256}, {0x91, 1252}, {0x92, 1256},
};

}  // namespace

QString localeNameOfLcid(int lcid) {
  if (lcid <= 0) return {};
  char buf[ULOC_FULLNAME_CAPACITY] = {};
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = uloc_getLocaleForLCID(static_cast<uint32_t>(lcid), buf, sizeof buf, &status);
  if (U_FAILURE(status) || n <= 0 || n >= static_cast<int32_t>(sizeof buf)) return {};
  return QString::fromLatin1(buf, n);
}

QString languageDisplayName(int lcid, const QString& displayLocale) {
  const QString locale = localeNameOfLcid(lcid);
  if (locale.isEmpty()) return {};
  const QByteArray display = (displayLocale.isEmpty() ? QLocale::system().name() : displayLocale).toLatin1();
  UChar buf[256];
  UErrorCode status = U_ZERO_ERROR;
  const int32_t n = uloc_getDisplayName(locale.toLatin1().constData(), display.constData(), buf, 256, &status);
  if (U_FAILURE(status) || n <= 0 || n > 256) return {};
  QString name(reinterpret_cast<const QChar*>(buf), n);
  // Names start with a capital, as the system lists them ("Português
  // (Brasil)"), whatever the display language's own rule for running text.
  name[0] = name[0].toUpper();
  return name;
}

int defaultAnsiCodePage(int lcid) {
  if (lcid <= 0 || localeNameOfLcid(lcid).isEmpty()) return 0;
  for (const auto& e : kByLcid) {
    if (e.id == lcid) return e.codePage;
  }
  const int primary = lcid & 0x3FF;
  for (const auto& e : kByPrimary) {
    if (e.id == primary) return e.codePage;
  }
  return 0;
}

}  // namespace sono::text
