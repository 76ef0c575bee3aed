#pragma once
// The progress gauge a sounding board button shows over its lower edge:
// a horizontal bar from MinValue to MaxValue with the percentage written on
// it, black on white inside a single border.

#include <QRect>
#include <QWidget>

namespace sono::widgets {

class TGauge : public QWidget {
  Q_OBJECT
 public:
  explicit TGauge(QWidget* parent = nullptr);

  int minValue() const { return min_; }
  int maxValue() const { return max_; }
  // A range with max below min is taken as empty (min = max).
  void setRange(int min, int max);
  int progress() const { return progress_; }
  // Kept within the range.
  void setProgress(int value);
  // Whole percent of the range covered, 0 for an empty range.
  int percentDone() const;

  QSize sizeHint() const override { return QSize(100, 13); }

 protected:
  void paintEvent(QPaintEvent*) override;

 private:
  int min_ = 0;
  int max_ = 100;
  int progress_ = 0;
};

// Where a button's gauge sits: inside the button's bottom edge, 4 pixels in
// from either side, 13 high, its top 17 above the button's bottom.
inline QRect gaugeGeometry(const QRect& button) {
  return QRect(button.left() + 4, button.top() + button.height() - 17, button.width() - 8, 13);
}

}  // namespace sono::widgets
