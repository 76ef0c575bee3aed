#include "platform/widgets/SpeedButton.h"

#include "platform/widgets/ImageList.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace sono::widgets {

namespace {
constexpr int kGlyphGap = 2;  // between the glyph and the first caption line
}

TRSpeedButton::TRSpeedButton(QWidget* parent) : QAbstractButton(parent) {
  setCursor(Qt::PointingHandCursor);
  setFocusPolicy(Qt::NoFocus);  // a speed button never takes the focus
  setContextMenuPolicy(Qt::CustomContextMenu);
}

void TRSpeedButton::setCaption(const QString& caption) {
  setText(caption);
  update();
}

QStringList TRSpeedButton::captionLines() const {
  QString t = text();
  t.replace(QLatin1String("\r\n"), QLatin1String("\r"));
  QStringList lines = t.split(QLatin1Char('\r'));
  // The break after the last line does not open another one.
  if (lines.size() > 1 && lines.last().isEmpty()) lines.removeLast();
  return lines;
}

void TRSpeedButton::setImages(TImageList* images, int index) {
  if (images_ != images) {
    disconnect(imagesChanged_);
    images_ = images;
    if (images) imagesChanged_ = connect(images, &TImageList::changed, this, qOverload<>(&QWidget::update));
  }
  imageIndex_ = index;
  update();
}

void TRSpeedButton::setImageIndex(int index) {
  imageIndex_ = index;
  update();
}

bool TRSpeedButton::hasGlyph() const { return images_ && images_->isValidIndex(imageIndex_); }

void TRSpeedButton::setTransparent(bool on) {
  transparent_ = on;
  update();
}

void TRSpeedButton::setFontColor(const QColor& c) {
  fontColor_ = c;
  update();
}

void TRSpeedButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton opt;
  opt.initFrom(this);
  if (isDown())
    opt.state |= QStyle::State_Sunken;
  else
    opt.state |= QStyle::State_Raised;
  if (!transparent_) {
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);
  } else {
    // The face is left to the parent; a thin edge still tells the squares
    // apart.
    p.setPen(opt.palette.color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
  }

  const QRect area = rect().adjusted(3, 3, -3, -3);
  const QStringList lines = captionLines();
  const QFontMetrics fm(font());
  const bool glyph = hasGlyph();
  const int glyphH = glyph ? images_->height() + kGlyphGap : 0;
  const int textH = text().isEmpty() ? 0 : static_cast<int>(lines.size()) * fm.height();
  int y = area.top() + qMax(0, (area.height() - glyphH - textH) / 2);
  if (isDown()) y += 1;
  const int shift = isDown() ? 1 : 0;
  if (glyph) {
    images_->draw(p, area.left() + (area.width() - images_->width()) / 2 + shift, y, imageIndex_);
    y += glyphH;
  }
  if (textH == 0) return;
  p.setFont(font());
  p.setPen(isEnabled() ? fontColor_ : opt.palette.color(QPalette::Disabled, QPalette::ButtonText));
  p.setClipRect(area);
  for (const QString& line : lines) {
    p.drawText(QRect(area.left() + shift, y, area.width(), fm.height()), Qt::AlignHCenter | Qt::AlignTop, line);
    y += fm.height();
  }
}

}  // namespace sono::widgets
