#include "platform/widgets/ImageList.h"

#include <QPainter>

namespace sono::widgets {

TImageList::TImageList(QSize size, QObject* parent) : QObject(parent), size_(size) {}

int TImageList::add(const QImage& image) {
  if (image.isNull()) return -1;
  QImage img = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
  if (img.size() != size_) img = img.scaled(size_, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  // Appending leaves every index in use as it was, so nobody is told: a
  // board adds one picture per button and would repaint all of them.
  images_.append(img);
  return count() - 1;
}

void TImageList::clear() {
  if (images_.isEmpty()) return;
  images_.clear();
  emit changed();
}

void TImageList::draw(QPainter& p, int x, int y, int i) const {
  if (!isValidIndex(i)) return;
  if (!transparent_) p.fillRect(QRect(QPoint(x, y), size_), bkColor_);
  p.drawImage(QPoint(x, y), images_[i]);
}

}  // namespace sono::widgets
