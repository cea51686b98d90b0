// A label that can be clicked: a press and a release of the left button
// inside it emit clicked(). A plain QLabel lets clicks pass to its window.
#pragma once

#include <QLabel>

#include "app/ClickTracker.h"

namespace tw {

class ClickLabel : public QLabel {
  Q_OBJECT

 public:
  using QLabel::QLabel;

 signals:
  void clicked();

 protected:
  void mousePressEvent(QMouseEvent *event) override;
  void mouseReleaseEvent(QMouseEvent *event) override;

 private:
  ClickTracker click_;
};

}  // namespace tw
