#pragma once
// The About window on screen: it mirrors the About model and routes its
// buttons; the main window is disabled while it is open.

#include <QDialog>
#include <functional>

#include "shell/about_form.h"

class QLabel;
class QPushButton;

namespace quorvel::ui {

class AboutWindow : public QDialog {
 public:
  // `main_changed` runs after the model changed the main window's state.
  // The window stays above `owner` while it is open, as its dialog; the
  // owner deletes it.
  AboutWindow(Form1& main, std::function<void()> main_changed, QWidget* owner);

  // Loads the window's texts (and disables the main window), then shows it.
  void Open();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void done(int result) override;

 private:
  void Unload();

  shell::AboutForm about_;
  std::function<void()> main_changed_;
  QLabel* title_;
  QLabel* version_;
  QLabel* description_;
  QLabel* released_;
  QLabel* email_label_;
  QLabel* email_link_;
  QLabel* home_label_;
  QLabel* home_link_;
  QLabel* disclaimer_;
  QPushButton* ok_;
  QPushButton* sys_info_;
  QPushButton* sla_;
};

}  // namespace quorvel::ui
