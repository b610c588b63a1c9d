#pragma once
// The splash window shown while the program starts: the logo, the name,
// version and release date, a description and how to reach the author. A
// click on it or a key closes it.

#include <QElapsedTimer>
#include <QWidget>

namespace quorvel::ui {

class SplashWindow : public QWidget {
 public:
  SplashWindow();

  // Running since the window was first painted (or shown, before that).
  const QElapsedTimer& ShownSince() const { return shown_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QElapsedTimer shown_;
  bool painted_ = false;
};

}  // namespace quorvel::ui
