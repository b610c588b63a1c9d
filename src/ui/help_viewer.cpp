#include "ui/help_viewer.h"

#include <QAction>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "shell/help/sitemap.h"
#include "ui/vector_icons.h"

namespace quorvel::ui {
namespace {

constexpr char kScheme[] = "help";
constexpr int kPathRole = Qt::UserRole;

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

// Contents and index entries show their name and lead to their page.
void AddItems(QTreeWidgetItem* parent, QTreeWidget* tree,
              const std::vector<help::SitemapItem>& items) {
  for (const help::SitemapItem& item : items) {
    auto* node = parent ? new QTreeWidgetItem(parent) : new QTreeWidgetItem(tree);
    node->setText(0, FromUtf8(item.name));
    if (auto path = help::ObjectPathOfLocal(item.local)) {
      node->setData(0, kPathRole, FromUtf8(*path));
    }
    AddItems(node, tree, item.children);
  }
}

void AddIndexItems(QListWidget* list, const std::vector<help::SitemapItem>& items,
                   const QString& prefix) {
  for (const help::SitemapItem& item : items) {
    const QString name = prefix + FromUtf8(item.name);
    auto* entry = new QListWidgetItem(name, list);
    if (auto path = help::ObjectPathOfLocal(item.local)) {
      entry->setData(kPathRole, FromUtf8(*path));
    }
    AddIndexItems(list, item.children, name + QStringLiteral(", "));
  }
}

}  // namespace

QVariant HelpPageView::loadResource(int type, const QUrl& url) {
  if (url.scheme() == QLatin1String(kScheme) && file_) {
    const std::string path = url.path().toStdString();
    if (std::optional<std::string> content = file_->Read(path)) {
      const QByteArray bytes(content->data(), static_cast<qsizetype>(content->size()));
      if (type == QTextDocument::ImageResource) return QImage::fromData(bytes);
      return QString::fromUtf8(bytes);
    }
    if (file_->damaged() && on_damage_) on_damage_();
    if (type == QTextDocument::HtmlResource) {
      return QStringLiteral("<h2>Page not found</h2><p>The help file has no page %1.</p>")
          .arg(url.path().toHtmlEscaped());
    }
    return {};
  }
  return QTextBrowser::loadResource(type, url);
}

HelpViewer::HelpViewer() {
  setObjectName(QStringLiteral("HelpViewer"));
  setWindowTitle(QStringLiteral("Quorvel Calculator Help"));
  setWindowIcon(VectorIcon(Picture::Help));
  resize(860, 600);

  tabs_ = new QTabWidget;
  tabs_->setObjectName(QStringLiteral("HelpTabs"));
  contents_ = new QTreeWidget;
  contents_->setObjectName(QStringLiteral("HelpContents"));
  contents_->setHeaderHidden(true);
  // Entries are shown whole: the column is as wide as its widest entry, and
  // a narrow pane scrolls sideways rather than cutting names short.
  contents_->setTextElideMode(Qt::ElideNone);
  contents_->header()->setStretchLastSection(false);
  contents_->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
  tabs_->addTab(contents_, QStringLiteral("Contents"));

  auto* index_page = new QWidget;
  index_filter_ = new QLineEdit;
  index_filter_->setObjectName(QStringLiteral("HelpIndexFilter"));
  index_filter_->setPlaceholderText(QStringLiteral("Type a keyword"));
  index_ = new QListWidget;
  index_->setObjectName(QStringLiteral("HelpIndex"));
  index_->setTextElideMode(Qt::ElideNone);
  auto* index_layout = new QVBoxLayout(index_page);
  index_layout->addWidget(index_filter_);
  index_layout->addWidget(index_);
  tabs_->addTab(index_page, QStringLiteral("Index"));

  auto* search_page = new QWidget;
  search_box_ = new QLineEdit;
  search_box_->setObjectName(QStringLiteral("HelpSearchBox"));
  search_box_->setPlaceholderText(QStringLiteral("Words to find"));
  auto* search_button = new QPushButton(QStringLiteral("List Topics"));
  results_ = new QListWidget;
  results_->setObjectName(QStringLiteral("HelpSearchResults"));
  results_->setTextElideMode(Qt::ElideNone);
  auto* search_row = new QHBoxLayout;
  search_row->addWidget(search_box_);
  search_row->addWidget(search_button);
  auto* search_layout = new QVBoxLayout(search_page);
  search_layout->addLayout(search_row);
  search_layout->addWidget(results_);
  tabs_->addTab(search_page, QStringLiteral("Search"));

  view_ = new HelpPageView(this);
  view_->setObjectName(QStringLiteral("HelpPage"));
  view_->setOpenLinks(false);
  splitter_ = new QSplitter;
  auto* splitter = splitter_;
  splitter->addWidget(tabs_);
  splitter->addWidget(view_);
  splitter->setStretchFactor(1, 1);
  splitter->setSizes({250, 610});
  setCentralWidget(splitter);

  QToolBar* bar = addToolBar(QStringLiteral("Navigation"));
  bar->setObjectName(QStringLiteral("HelpNavigation"));
  bar->setMovable(false);
  QAction* back = bar->addAction(QStringLiteral("Back"), view_, &QTextBrowser::backward);
  back->setObjectName(QStringLiteral("HelpBack"));
  back->setShortcut(QKeySequence::Back);
  QAction* forward = bar->addAction(QStringLiteral("Forward"), view_, &QTextBrowser::forward);
  forward->setObjectName(QStringLiteral("HelpForward"));
  forward->setShortcut(QKeySequence::Forward);
  QAction* home = bar->addAction(QStringLiteral("Home"), this, [this] {
    if (file_) ShowPage(file_->default_topic());
  });
  home->setObjectName(QStringLiteral("HelpHome"));
  back->setEnabled(false);
  forward->setEnabled(false);
  connect(view_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(view_, &QTextBrowser::sourceChanged, this, &HelpViewer::MarkCurrentPage);
  connect(view_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);

  // Links inside the help file open here; the others go to the desktop.
  connect(view_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() == QLatin1String(kScheme)) {
      view_->setSource(url);
    } else if (url.isRelative()) {
      view_->setSource(view_->source().resolved(url));
    } else {
      QDesktopServices::openUrl(url);
    }
  });
  auto open_item = [this](const QVariant& path) {
    if (!path.toString().isEmpty()) ShowPage(path.toString().toStdString());
  };
  connect(contents_, &QTreeWidget::itemActivated, this,
          [open_item](QTreeWidgetItem* item) { open_item(item->data(0, kPathRole)); });
  connect(contents_, &QTreeWidget::itemClicked, this,
          [open_item](QTreeWidgetItem* item) { open_item(item->data(0, kPathRole)); });
  connect(index_, &QListWidget::itemActivated, this,
          [open_item](QListWidgetItem* item) { open_item(item->data(kPathRole)); });
  connect(index_, &QListWidget::itemClicked, this,
          [open_item](QListWidgetItem* item) { open_item(item->data(kPathRole)); });
  connect(results_, &QListWidget::itemActivated, this,
          [open_item](QListWidgetItem* item) { open_item(item->data(kPathRole)); });
  connect(results_, &QListWidget::itemClicked, this,
          [open_item](QListWidgetItem* item) { open_item(item->data(kPathRole)); });
  connect(index_filter_, &QLineEdit::textChanged, this, [this](const QString& text) {
    for (int i = 0; i < index_->count(); ++i) {
      QListWidgetItem* item = index_->item(i);
      item->setHidden(!item->text().contains(text, Qt::CaseInsensitive));
    }
    for (int i = 0; i < index_->count(); ++i) {
      if (!index_->item(i)->isHidden()) {
        index_->setCurrentRow(i);
        break;
      }
    }
  });
  connect(index_filter_, &QLineEdit::returnPressed, this, [this, open_item] {
    if (QListWidgetItem* item = index_->currentItem(); item && !item->isHidden()) {
      open_item(item->data(kPathRole));
    }
  });
  connect(search_box_, &QLineEdit::returnPressed, this, &HelpViewer::RunSearch);
  connect(search_button, &QPushButton::clicked, this, &HelpViewer::RunSearch);
}

HelpViewer::~HelpViewer() = default;

QUrl HelpViewer::PageUrl(const std::string& object_path) {
  QUrl url;
  url.setScheme(QString::fromLatin1(kScheme));
  url.setPath(
      FromUtf8(object_path.empty() || object_path[0] != '/' ? "/" + object_path : object_path));
  return url;
}

void HelpViewer::SetDamageHandler(std::function<void()> handler) {
  on_damage_ = handler;
  view_->SetDamageHandler(std::move(handler));
}

bool HelpViewer::CheckDamage() {
  if (!file_ || !file_->damaged()) return false;
  if (on_damage_) on_damage_();
  return true;
}

bool HelpViewer::Load(const std::string& help_file) {
  if (file_ && help_file == file_path_) return true;
  file_path_ = help_file;
  view_->SetFile(nullptr);
  search_.reset();
  file_.reset();
  contents_->clear();
  index_->clear();
  results_->clear();
  std::string error;
  bool damaged = false;
  file_ = help::ChmFile::Open(help_file, &error, &damaged);
  if (!file_ && damaged && on_damage_) {
    on_damage_();
    return false;
  }
  if (!file_) {
    ShowProblem(QStringLiteral("The help file %1 cannot be opened: %2")
                    .arg(FromUtf8(help_file).toHtmlEscaped(), FromUtf8(error).toHtmlEscaped()));
    return false;
  }
  view_->SetFile(&*file_);
  if (!file_->title().empty()) setWindowTitle(FromUtf8(file_->title()));
  FillContents();
  FillIndex();
  FitNavigation();
  return !CheckDamage();
}

void HelpViewer::FillContents() {
  if (file_->contents_file().empty()) return;
  if (std::optional<std::string> html = file_->Read(file_->contents_file())) {
    AddItems(nullptr, contents_, help::ParseSitemap(*html));
    contents_->expandAll();
  }
}

void HelpViewer::FitNavigation() {
  // The pane takes the width of its widest entry, contents or index, and the
  // window grows to keep the page as wide as before; up to a point, beyond
  // which the pane scrolls sideways.
  // (The tree's own answer counts each entry's indentation too.)
  const QAbstractItemView* tree = contents_;
  int widest = tree->sizeHintForColumn(0);
  widest = std::max(widest, index_->sizeHintForColumn(0));
  const int frame =
      2 * contents_->frameWidth() + contents_->verticalScrollBar()->sizeHint().width();
  const int pane = std::clamp(widest + frame + 24, 250, 480);
  const int page = 610;
  resize(std::max(width(), pane + page + splitter_->handleWidth()), height());
  splitter_->setSizes({pane, page});
}

void HelpViewer::MarkCurrentPage(const QUrl& url) {
  // The contents show where the reader is: the entry of the page shown is
  // selected and scrolled into view, or none when the page has no entry.
  const QString path = url.path();
  for (QTreeWidgetItemIterator it(contents_); *it; ++it) {
    if ((*it)->data(0, kPathRole).toString() == path) {
      contents_->setCurrentItem(*it);
      contents_->scrollToItem(*it);
      return;
    }
  }
  contents_->clearSelection();
  contents_->setCurrentItem(nullptr);
}

void HelpViewer::FillIndex() {
  if (file_->index_file().empty()) return;
  if (std::optional<std::string> html = file_->Read(file_->index_file())) {
    AddIndexItems(index_, help::ParseSitemap(*html), QString());
  }
}

void HelpViewer::RunSearch() {
  results_->clear();
  if (!file_) return;
  // The pages' text is read once, at the first search.
  if (!search_) search_ = std::make_unique<help::SearchIndex>(*file_);
  if (CheckDamage()) return;
  const std::vector<help::SearchHit> hits = search_->Find(search_box_->text().toStdString());
  for (const help::SearchHit& hit : hits) {
    auto* item = new QListWidgetItem(FromUtf8(hit.title), results_);
    item->setData(kPathRole, FromUtf8(hit.path));
  }
  if (hits.empty()) {
    auto* none = new QListWidgetItem(QStringLiteral("No topics found"), results_);
    none->setFlags(Qt::NoItemFlags);
  }
}

void HelpViewer::ShowPage(const std::string& object_path) {
  if (!file_) return;
  view_->setSource(PageUrl(object_path), QTextDocument::HtmlResource);
}

void HelpViewer::ShowProblem(const QString& message) {
  view_->clearHistory();
  view_->setHtml(QStringLiteral("<h2>Help is not available</h2><p>%1</p>").arg(message));
}

void HelpViewer::Present() {
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

void HelpViewer::ShowContents(const std::string& help_file) {
  if (Load(help_file)) {
    tabs_->setCurrentWidget(contents_);
    ShowPage(file_->default_topic());
  }
  Present();
}

void HelpViewer::ShowTopic(const std::string& help_file, const std::string& topic) {
  if (Load(help_file)) ShowPage(topic);
  Present();
}

}  // namespace quorvel::ui
