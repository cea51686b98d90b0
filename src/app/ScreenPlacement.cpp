#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>

namespace tw {

QSize ClientSizeForOuter(QSize outer) {
  return outer.shrunkBy(kAssumedFrame);
}

QRect ScreenArea(const QWidget *window) {
  QScreen *screen = window != nullptr ? window->screen() : nullptr;
  if (screen == nullptr) screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->availableGeometry() : QRect();
}

void CentreOnScreen(QWidget *window) {
  const QRect area = ScreenArea(window);
  const QMargins frame =
      window->windowHandle() != nullptr ? window->windowHandle()->frameMargins() : QMargins();
  const QSize outer = window->size().grownBy(frame);
  const int left = area.left() + std::max(0, (area.width() - outer.width()) / 2);
  const int top = area.top() + std::max(0, (area.height() - outer.height()) / 2);
  window->setGeometry(QRect(QPoint(left + frame.left(), top + frame.top()), window->size()));
}

}  // namespace tw
