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
// has framed the window, then goes.
class TitleBarCheck : public QObject {
 public:
  explicit TitleBarCheck(QWidget& window) : QObject(&window), window_(window) {
    window.installEventFilter(this);
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const QEvent::Type type = event->type();
    if (watched == &window_ && (type == QEvent::Move || type == QEvent::Resize) &&
        window_.isVisible() && FrameKnown(window_)) {
      window_.removeEventFilter(this);
      const QPoint placed = FramePositionWithTitleBarOnScreen(window_, window_.pos());
      if (placed != window_.pos()) window_.move(placed);
      deleteLater();
    }
    return false;
  }

 private:
  QWidget& window_;
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

void CheckTitleBarWhenFramed(QWidget& window) {
  for (QObject* child : window.children()) {
    if (dynamic_cast<TitleBarCheck*>(child)) return;
  }
  new TitleBarCheck(window);
}

}  // namespace quorvel::ui
