#pragma once
// A list of equally sized pictures addressed by index, shared by the
// controls that draw from it (board glyphs, sequence places).

#include <QColor>
#include <QImage>
#include <QList>
#include <QObject>
#include <QSize>

class QPainter;

namespace sono::widgets {

class TImageList : public QObject {
  Q_OBJECT
 public:
  explicit TImageList(QSize size = QSize(32, 32), QObject* parent = nullptr);

  QSize size() const { return size_; }
  int width() const { return size_.width(); }
  int height() const { return size_.height(); }
  // Shown under the transparent parts when the list does not draw
  // transparent.
  void setBkColor(const QColor& c) { bkColor_ = c; }
  QColor bkColor() const { return bkColor_; }
  void setDrawTransparent(bool on) { transparent_ = on; }
  bool drawTransparent() const { return transparent_; }

  // Appends the image (scaled to the list's size when it differs) and
  // returns its index; a null image is not added and gives -1.
  int add(const QImage& image);
  void clear();
  int count() const { return static_cast<int>(images_.size()); }
  bool isValidIndex(int i) const { return i >= 0 && i < count(); }
  // A null image for an index outside the list.
  QImage image(int i) const { return isValidIndex(i) ? images_[i] : QImage(); }

  // Draws picture `i` with its top-left corner at (x, y); nothing for an
  // index outside the list.
  void draw(QPainter& p, int x, int y, int i) const;

 signals:
  // The pictures in use changed (the list was cleared).
  void changed();

 private:
  QSize size_;
  QColor bkColor_ = Qt::white;
  bool transparent_ = true;
  QList<QImage> images_;
};

}  // namespace sono::widgets
