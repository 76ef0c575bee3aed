#pragma once
// One icon image as icon files and icon resources store it: a PNG stream,
// or a device-independent bitmap of doubled height (colour rows, then the
// 1-bit transparency mask), bottom-up.

#include <QByteArray>
#include <QByteArrayView>
#include <QImage>

namespace sono::pe {

// The image, as ARGB32; a null image when the data is not a well-formed
// icon image (unsupported depth or compression, rows past the end…).
QImage decodeIconImage(QByteArrayView data);

// The image as a 32-bit bitmap with its mask, the form every reader of
// icons understands.
QByteArray encodeIconImage(const QImage& image);

}  // namespace sono::pe
