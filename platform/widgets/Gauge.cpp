#include "platform/widgets/Gauge.h"

#include <QPainter>

namespace sono::widgets {

TGauge::TGauge(QWidget* parent) : QWidget(parent) {
  QFont f = font();
  f.setPointSize(8);
  setFont(f);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TGauge::setRange(int min, int max) {
  min_ = min;
  max_ = qMax(min, max);
  setProgress(progress_);
}

void TGauge::setProgress(int value) {
  const int v = qBound(min_, value, max_);
  if (v == progress_) return;
  progress_ = v;
  update();
}

int TGauge::percentDone() const {
  const qint64 span = static_cast<qint64>(max_) - min_;
  if (span <= 0) return 0;
  return static_cast<int>((static_cast<qint64>(progress_) - min_) * 100 / span);
}

void TGauge::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QRect outer = rect();
  p.fillRect(outer, Qt::white);
  p.setPen(Qt::black);
  p.drawRect(outer.adjusted(0, 0, -1, -1));
  const QRect inner = outer.adjusted(1, 1, -1, -1);
  const int filled = inner.width() * percentDone() / 100;
  const QRect bar(inner.left(), inner.top(), filled, inner.height());
  p.fillRect(bar, Qt::black);
  const QString text = QStringLiteral("%1%").arg(percentDone());
  // The text is white where the bar covers it, black elsewhere.
  p.setClipRect(inner);
  p.setPen(Qt::black);
  p.drawText(inner, Qt::AlignCenter, text);
  p.setClipRect(bar);
  p.setPen(Qt::white);
  p.drawText(inner, Qt::AlignCenter, text);
}

}  // namespace sono::widgets
