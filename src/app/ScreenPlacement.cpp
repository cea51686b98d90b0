#include "app/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

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
  const QSize frame = window->frameGeometry().size();
  const int left = area.left() + std::max(0, (area.width() - frame.width()) / 2);
  const int top = area.top() + std::max(0, (area.height() - frame.height()) / 2);
  window->move(left, top);
}

}  // namespace tw
