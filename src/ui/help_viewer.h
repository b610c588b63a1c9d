#pragma once
// The help viewer: a window that reads CalcHelp.chm itself, with its
// contents, its index, a search over the pages' text, back and forward,
// and a page view whose links, pictures and style sheets come from inside
// the help file.

#include <QMainWindow>
#include <QTextBrowser>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "shell/help/chm_file.h"
#include "shell/help/search_index.h"

class QLineEdit;
class QSplitter;
class QListWidget;
class QTabWidget;
class QTreeWidget;

namespace quorvel::ui {

// The page view: every resource it asks for is read from the help file.
class HelpPageView : public QTextBrowser {
 public:
  explicit HelpPageView(QWidget* parent) : QTextBrowser(parent) {}
  void SetFile(const help::ChmFile* file) { file_ = file; }
  // Called when a resource the file lists cannot be read.
  void SetDamageHandler(std::function<void()> handler) { on_damage_ = std::move(handler); }
  QVariant loadResource(int type, const QUrl& url) override;

 private:
  const help::ChmFile* file_ = nullptr;
  std::function<void()> on_damage_;
};

class HelpViewer : public QMainWindow {
 public:
  HelpViewer();
  ~HelpViewer() override;

  // Opens the help file (again, when it is another one or has changed
  // place) and shows its contents with the default topic.
  void ShowContents(const std::string& help_file);
  // Opens the help file at a page, given by its path inside the file.
  void ShowTopic(const std::string& help_file, const std::string& topic);

  // The URL under which the view shows a page of the help file.
  static QUrl PageUrl(const std::string& object_path);

  // What to do when the help file turns out to be damaged, at opening or
  // later (a page, the contents, the index or the search meets an object that
  // cannot be read). Without a handler the viewer says so in its page view.
  void SetDamageHandler(std::function<void()> handler);

 private:
  bool Load(const std::string& help_file);
  void ShowPage(const std::string& object_path);
  void ShowProblem(const QString& message);
  void FillContents();
  void FillIndex();
  void FitNavigation();
  void MarkCurrentPage(const QUrl& url);
  void RunSearch();
  void Present();
  // Hands a damaged file to the damage handler; true when it was damaged.
  bool CheckDamage();

  std::string file_path_;
  std::optional<help::ChmFile> file_;
  std::unique_ptr<help::SearchIndex> search_;
  std::function<void()> on_damage_;
  QSplitter* splitter_;
  QTabWidget* tabs_;
  QTreeWidget* contents_;
  QLineEdit* index_filter_;
  QListWidget* index_;
  QLineEdit* search_box_;
  QListWidget* results_;
  HelpPageView* view_;
};

}  // namespace quorvel::ui
