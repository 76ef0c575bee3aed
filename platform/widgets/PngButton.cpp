#include "platform/widgets/PngButton.h"

#include <QEnterEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>

namespace sono::widgets {

namespace {
constexpr int kPad = 4;
}

TPNGButton::TPNGButton(QWidget* parent) : QAbstractButton(parent) {
  setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::TabFocus);
}

void TPNGButton::setImageNormal(const QPixmap& p) {
  normal_ = p;
  updateGeometry();
  update();
}

void TPNGButton::setImageDown(const QPixmap& p) {
  down_ = p;
  update();
}

void TPNGButton::setImageOver(const QPixmap& p) {
  over_ = p;
  update();
}

QPixmap TPNGButton::currentImage() const {
  if (isDown() && !down_.isNull()) return down_;
  if (hover_ && isEnabled() && !over_.isNull()) return over_;
  return normal_;
}

QSize TPNGButton::sizeHint() const {
  const QFontMetrics fm(font());
  const QSize img = normal_.isNull() ? QSize() : normal_.deviceIndependentSize().toSize();
  const int w = kPad + img.width() + (img.isEmpty() ? 0 : kPad) + fm.horizontalAdvance(text()) + kPad;
  return QSize(w, qMax(img.height(), fm.height()) + 2 * kPad);
}

void TPNGButton::enterEvent(QEnterEvent* e) {
  hover_ = true;
  update();
  QAbstractButton::enterEvent(e);
}

void TPNGButton::leaveEvent(QEvent* e) {
  hover_ = false;
  update();
  QAbstractButton::leaveEvent(e);
}

void TPNGButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  QStyleOptionButton opt;
  opt.initFrom(this);
  // Flat: a face only while the pointer is over it or it is held down.
  if (isEnabled() && (isDown() || hover_)) {
    opt.state |= isDown() ? QStyle::State_Sunken : QStyle::State_Raised;
    style()->drawPrimitive(QStyle::PE_PanelButtonCommand, &opt, &p, this);
  }
  const QPixmap img = currentImage();
  const QSize imgSize = img.isNull() ? QSize() : img.deviceIndependentSize().toSize();
  const QFontMetrics fm(font());
  const int contentW = imgSize.width() + (imgSize.isEmpty() ? 0 : kPad) + fm.horizontalAdvance(text());
  int x = qMax(kPad / 2, (width() - contentW) / 2);
  if (!img.isNull()) {
    if (isEnabled()) {
      p.drawPixmap(QPoint(x, (height() - imgSize.height()) / 2), img);
    } else {
      p.drawPixmap(QPoint(x, (height() - imgSize.height()) / 2),
                   style()->generatedIconPixmap(QIcon::Disabled, img, &opt));
    }
    x += imgSize.width() + kPad;
  }
  p.setPen(opt.palette.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
  p.drawText(QRect(x, 0, width() - x, height()), Qt::AlignVCenter | Qt::AlignLeft, text());
}

}  // namespace sono::widgets
