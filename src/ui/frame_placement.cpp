#include "ui/frame_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <vector>

#include "shell/window_placement.h"

namespace quorvel::ui {
namespace {

// Higher than the title bars of the usual window managers: before the frame
// is known, a window is never taken for unreachable when it is not.
constexpr int kAssumedTitleHeight = 32;

// Runs the check once, on the first move or resize after the window manager
// has framed the window, then goes. It checks the place the window was asked
// for, not where Qt says the window is: while the window manager reparents
// the window, Qt may report it at the screen's corner for a moment, and that
// would take it for a window whose title bar is off the screen.
class TitleBarCheck : public QObject {
 public:
  TitleBarCheck(QWidget& window, QPoint wanted)
      : QObject(&window), window_(window), wanted_(wanted) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == &window_ && (type == QEvent::Move || type == QEvent::Resize) &&
        window_.isVisible() && FrameKnown(window_)) {
      window_.removeEventFilter(this);
      const QPoint placed = FramePositionWithTitleBarOnScreen(window_, wanted_);
      if (placed != wanted_) window_.move(placed);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
  QPoint wanted_;
};

}  // namespace

bool FrameKnown(const QWidget& window) { return window.frameGeometry() != window.geometry(); }

QPoint FramePositionWithTitleBarOnScreen(const QWidget& window, QPoint frame) {
  std::vector<shell::Rect> screens;
  for (const QScreen* screen : QGuiApplication::screens()) {
    const QRect area = screen->geometry();
    screens.push_back({area.x(), area.y(), area.width(), area.height()});
  }
  QSize size = window.frameGeometry().size();
  int title_height = window.geometry().top() - window.frameGeometry().top();
  if (!FrameKnown(window)) {
    title_height = kAssumedTitleHeight;
    size.rheight() += kAssumedTitleHeight;
  }
  const shell::Rect placed = shell::KeepTitleBarOnScreen(
      {frame.x(), frame.y(), size.width(), size.height()}, title_height, screens);
  return {placed.x, placed.y};
}

void CheckTitleBarWhenFramed(QWidget& window, QPoint wanted) {
  for (QObject* child : window.children()) {
    if (dynamic_cast<TitleBarCheck*>(child)) return;
  }
  new TitleBarCheck(window, wanted);
}

}  // namespace quorvel::ui
