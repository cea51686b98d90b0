#include "app/ClickTracker.h"

#include <QMouseEvent>
#include <QRect>

namespace tw {

void ClickTracker::Press(QMouseEvent *event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

bool ClickTracker::Release(QMouseEvent *event, const QRect &rect) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect.contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  return click;
}

}  // namespace tw
