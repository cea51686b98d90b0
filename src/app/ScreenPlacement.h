// Where the program's windows go, and how the layout's window sizes become
// Qt sizes.
//
// The layout gives outer sizes: frame and title bar included. Qt sizes a
// window by its client area and learns the frame only from the window
// manager, once the window is on screen; so the client area is taken as the
// outer size less a frame of the usual size:
//   ClientSizeForOuter({567, 341}) => {559, 311}   (menu bar included)
//   ClientSizeForOuter({223, 127}) => {215, 97}
//
// Windows are centred on the screen's available area (the area without the
// desktop's panels) as they are shown: the frame's centre on the area's
// centre. The frame is the one the platform reports for the window; a
// window manager under X11 reports it only once the window is on screen, so
// there the client area is centred and the frame spills over evenly but for
// its title bar. A window larger than the area goes to the area's top left,
// so that its title bar stays reachable.
#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace tw {

inline constexpr QMargins kAssumedFrame{4, 26, 4, 4};

QSize ClientSizeForOuter(QSize outer);

// The available area of the screen a window is on (the primary screen for
// a window that is on none yet).
QRect ScreenArea(const QWidget *window);

// Call from showEvent, when the platform window exists.
void CentreOnScreen(QWidget *window);

}  // namespace tw
