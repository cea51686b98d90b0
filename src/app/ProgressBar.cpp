#include "app/ProgressBar.h"

#include <algorithm>

namespace tw {

TProgressBar::TProgressBar(QWidget *parent) : QProgressBar(parent) {
  setTextVisible(false);
  setFocusPolicy(Qt::NoFocus);
  Redraw();
}

void TProgressBar::SetPosition(int position) {
  position_ = std::clamp(position, min_, max_);
  Redraw();
}

void TProgressBar::SetMin(int min) {
  min_ = min;
  max_ = std::max(max_, min_);
  SetPosition(position_);
}

void TProgressBar::SetMax(int max) {
  max_ = max;
  min_ = std::min(min_, max_);
  SetPosition(position_);
}

void TProgressBar::Redraw() {
  if (min_ < max_) {
    setRange(min_, max_);
    setValue(position_);
  } else {
    setRange(0, 1);
    setValue(0);
  }
}

}  // namespace tw
