#include "board/Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace sono::board {

namespace {

const QColor kAzul(0x1f, 0x5f, 0xbf);
const QColor kAzulClaro(0x6f, 0xa8, 0xff);

QPixmap tela(int w, int h) {
  QPixmap p(w, h);
  p.fill(Qt::transparent);
  return p;
}

}  // namespace

QPixmap imagemEditarPerfil() {
  QPixmap pm = tela(16, 16);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(0x55, 0x55, 0x55), 1));
  p.setBrush(Qt::white);
  p.drawRect(QRectF(1.5, 1.5, 10, 13));
  p.setPen(QPen(QColor(0x7a, 0x7a, 0x7a), 1));
  for (int y = 4; y <= 12; y += 3) p.drawLine(QPointF(3.5, y + 0.5), QPointF(9.5, y + 0.5));
  // The pencil across the lower right corner.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xe8, 0xa3, 0x17));
  QPainterPath lapis;
  lapis.moveTo(14.5, 5.5);
  lapis.lineTo(15.8, 6.8);
  lapis.lineTo(9.0, 13.6);
  lapis.lineTo(7.7, 12.3);
  lapis.closeSubpath();
  p.drawPath(lapis);
  p.setBrush(QColor(0x33, 0x33, 0x33));
  QPainterPath ponta;
  ponta.moveTo(7.7, 12.3);
  ponta.lineTo(9.0, 13.6);
  ponta.lineTo(7.0, 14.4);
  ponta.closeSubpath();
  p.drawPath(ponta);
  return pm;
}

QPixmap imagemOpcoes() {
  QPixmap pm = tela(14, 18);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const int knobs[] = {5, 11, 7};
  for (int i = 0; i < 3; ++i) {
    const qreal x = 2.5 + i * 4.5;
    p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1.2));
    p.drawLine(QPointF(x, 2), QPointF(x, 16));
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), 1));
    p.setBrush(kAzulClaro);
    p.drawRect(QRectF(x - 2, knobs[i] - 1.5, 4, 3));
  }
  return pm;
}

QPixmap imagemTocar() {
  QPixmap pm = tela(16, 16);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kAzul.darker(130), 1));
  p.setBrush(kAzul);
  QPainterPath t;
  t.moveTo(4, 2);
  t.lineTo(14, 8);
  t.lineTo(4, 14);
  t.closeSubpath();
  p.drawPath(t);
  return pm;
}

QPixmap imagemPausar() {
  QPixmap pm = tela(16, 16);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kAzul.darker(130), 1));
  p.setBrush(kAzul);
  p.drawRoundedRect(QRectF(3.5, 2.5, 3.5, 11), 1, 1);
  p.drawRoundedRect(QRectF(9.5, 2.5, 3.5, 11), 1, 1);
  return pm;
}

QPixmap imagemBorracha() {
  QPixmap pm = tela(16, 16);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  p.translate(8, 8);
  p.rotate(-35);
  p.setPen(QPen(QColor(0x50, 0x50, 0x50), 1));
  p.setBrush(QColor(0xf0, 0x6e, 0x8c));
  p.drawRoundedRect(QRectF(-7, -3.5, 8, 7), 1.5, 1.5);
  p.setBrush(QColor(0x4f, 0x8f, 0xe0));
  p.drawRoundedRect(QRectF(1, -3.5, 6, 7), 1.5, 1.5);
  return pm;
}

}  // namespace sono::board
