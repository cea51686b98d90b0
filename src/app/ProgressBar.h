// The progress bar pg: a range Min..Max, 0..100 at start, and a Position
// that always lies within it. A position set beyond Max reads back as Max,
// one below Min as Min; a range that moves past the position takes the
// position with it.
//
//   pg->SetMax(3); pg->SetPosition(5);   pg->Position() => 3
//   pg->SetMax(0);                        pg->Position() => 0, the bar empty
//
// It is drawn by QProgressBar, without a text. An empty range (Min equal to
// Max, as after a folder without sequence files) is drawn as an empty bar,
// where QProgressBar would show its busy animation.
#pragma once

#include <QProgressBar>

namespace tw {

class TProgressBar : public QProgressBar {
  Q_OBJECT

 public:
  explicit TProgressBar(QWidget *parent = nullptr);

  int Position() const { return position_; }
  int Min() const { return min_; }
  int Max() const { return max_; }

  void SetPosition(int position);
  void SetMin(int min);  // Max never stays below Min
  void SetMax(int max);  // nor Min above Max

 private:
  void Redraw();

  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace tw
