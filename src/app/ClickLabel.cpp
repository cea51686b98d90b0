#include "app/ClickLabel.h"

#include <QMouseEvent>

namespace tw {

void ClickLabel::mousePressEvent(QMouseEvent *event) { click_.Press(event); }

void ClickLabel::mouseReleaseEvent(QMouseEvent *event) {
  if (click_.Release(event, rect())) emit clicked();
}

}  // namespace tw
