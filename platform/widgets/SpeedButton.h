#pragma once
// The board's speed button: a glyph from an image list above a caption of
// several lines (separated by carriage returns), an integer tag, a hint
// text that is kept but never shown, a hand cursor and a transparent
// option that leaves the face unpainted.

#include <QAbstractButton>
#include <QColor>
#include <QPointer>
#include <QStringList>

namespace sono::widgets {

class TImageList;

class TRSpeedButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TRSpeedButton(QWidget* parent = nullptr);

  // The caption as stored; lines end at carriage returns (a line feed
  // right after one is part of the same break).
  void setCaption(const QString& caption);
  QString caption() const { return text(); }
  QStringList captionLines() const;

  // The glyph: picture `index` of `images`; none without a list or with an
  // index the list does not hold.
  void setImages(TImageList* images, int index);
  TImageList* images() const { return images_; }
  int imageIndex() const { return imageIndex_; }
  void setImageIndex(int index);
  bool hasGlyph() const;

  int tag() const { return tag_; }
  void setTag(int tag) { tag_ = tag; }
  QString hint() const { return hint_; }
  void setHint(const QString& hint) { hint_ = hint; }
  bool transparent() const { return transparent_; }
  void setTransparent(bool on);
  QColor fontColor() const { return fontColor_; }
  void setFontColor(const QColor& c);

  QSize sizeHint() const override { return QSize(75, 75); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  QPointer<TImageList> images_;
  QMetaObject::Connection imagesChanged_;
  int imageIndex_ = -1;
  int tag_ = 0;
  QString hint_;
  bool transparent_ = false;
  QColor fontColor_ = Qt::black;
};

}  // namespace sono::widgets
