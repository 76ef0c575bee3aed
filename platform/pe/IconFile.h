#pragma once
// Icons by index, as the shell's icon extraction gives them: from a module
// (icon library or program) the index counts its icon groups in directory
// order; an icon file (.ico) holds one icon, index 0. The file's kind is
// told by its content, not its name. Of the sizes an icon offers, the one
// nearest the asked size is taken and scaled to it when it differs.

#include <QByteArrayView>
#include <QImage>
#include <QList>
#include <QString>

namespace sono::pe {

class PeImage;

constexpr int kLargeIconSize = 32;

// One image of an icon, as an icon directory describes it.
struct IconDirEntry {
  int width = 0;      // 256 where the directory writes 0
  int height = 0;
  int bitCount = 0;
  quint32 bytes = 0;
  quint32 ref = 0;    // group: the RT_ICON id; icon file: the image's offset
};

// The entries of an icon directory: of an RT_GROUP_ICON resource
// (`group` = true, 14-byte entries) or of an .ico file (16-byte entries).
// Empty when the header is not an icon directory or entries run past the end.
QList<IconDirEntry> parseIconDirectory(QByteArrayView data, bool group);

// The entry to show at `size` pixels: the exact size with the most colours,
// else the smallest larger one, else the largest. -1 for an empty list.
int chooseIconEntry(const QList<IconDirEntry>& entries, int size);

// Number of icons in the file: groups of a module, 1 for an icon file, 0
// for anything else.
int iconCount(const QString& path);

// The icon at `index`, `size` × `size`; a null image when the file is
// missing, not a module or icon file, or has no icon at that index.
QImage extractIcon(const QString& path, int index, int size = kLargeIconSize);
QImage extractIcon(const PeImage& module, int index, int size = kLargeIconSize);
QImage iconFromIcoData(QByteArrayView data, int size = kLargeIconSize);

}  // namespace sono::pe
