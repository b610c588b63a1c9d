#pragma once
// The splash window shown while the program starts: the logo, the name,
// version and release date, a description and how to reach the author. A
// click on it or a key closes it.

#include <QWidget>

namespace quorvel::ui {

class SplashWindow : public QWidget {
 public:
  SplashWindow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace quorvel::ui
