#include "app/ClickLabel.h"

#include <QMouseEvent>

namespace tw {

void ClickLabel::mousePressEvent(QMouseEvent *event) {
  pressed_ = event->button() == Qt::LeftButton;
  event->accept();
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
  const bool click = pressed_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  event->accept();
  if (click) emit clicked();
}

}  // namespace tw
