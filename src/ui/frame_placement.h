#pragma once
// Placing a top-level window by its outer frame, the way the settings file
// keeps its position, with its title bar kept where the user can grab it.

#include <QPoint>

class QWidget;

namespace quorvel::ui {

// Whether the window manager has framed `window`, so that its frame's size
// is known (before the first show it is not, on X11).
bool FrameKnown(const QWidget& window);

// Where the frame's top-left corner goes for a window asked to stand at
// `frame`: unchanged while some screen shows part of its title bar. Before
// the window is framed its title bar is taken to be a generous height, so
// that a window that was reachable stays put.
QPoint FramePositionWithTitleBarOnScreen(const QWidget& window, QPoint frame);

// Checks the title bar of the frame position `wanted` once more, with the
// real frame, as soon as the window manager has framed `window`; moves the
// window only when no screen shows that title bar.
void CheckTitleBarWhenFramed(QWidget& window, QPoint wanted);

}  // namespace quorvel::ui
