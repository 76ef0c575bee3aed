#pragma once
// A flat picture button: a normal, a pressed and a hover picture, drawn
// left of the caption. Without a hover or pressed picture the normal one
// is shown in that state.

#include <QAbstractButton>
#include <QPixmap>

namespace sono::widgets {

class TPNGButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TPNGButton(QWidget* parent = nullptr);

  void setImageNormal(const QPixmap& p);
  QPixmap imageNormal() const { return normal_; }
  void setImageDown(const QPixmap& p);
  QPixmap imageDown() const { return down_; }
  void setImageOver(const QPixmap& p);
  QPixmap imageOver() const { return over_; }

  // The picture drawn in the button's present state.
  QPixmap currentImage() const;

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent*) override;
  void enterEvent(QEnterEvent* e) override;
  void leaveEvent(QEvent* e) override;

 private:
  QPixmap normal_;
  QPixmap down_;
  QPixmap over_;
  bool hover_ = false;
};

}  // namespace sono::widgets
