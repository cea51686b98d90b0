// Tells a click from other mouse events: a press and a release of the left
// button, the release inside the widget's own rectangle.
//
//   press left, release inside   => Release(...) == true
//   press left, drag out, release => false
//   press right, release inside  => false
#pragma once

class QMouseEvent;
class QRect;

namespace tw {

class ClickTracker {
 public:
  void Press(QMouseEvent *event);
  // True when this release completes a click within rect.
  bool Release(QMouseEvent *event, const QRect &rect);

 private:
  bool pressed_ = false;
};

}  // namespace tw
