#include "ui/about_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>

#include "ui/vector_icons.h"

namespace quorvel::ui {
namespace {

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QString Html(const std::string& text) { return QString::fromStdString(text).toHtmlEscaped(); }

QString Link(const std::string& target, const std::string& caption) {
  return QStringLiteral("<a href=\"%1\">%2</a>").arg(Html(target), Html(caption));
}

}  // namespace

AboutWindow::AboutWindow(Form1& main, std::function<void()> main_changed, QWidget* owner)
    : QDialog(owner), about_(main), main_changed_(std::move(main_changed)) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowIcon(VectorIcon(Picture::Logo));
  auto* logo = Named(PictureView(Picture::Logo, 64, this), "picIcon");
  logo->setAccessibleName(QStringLiteral("Quorvel Calculator logo"));
  title_ = Named(new QLabel(this), "lblTitle");
  QFont big = title_->font();
  big.setPixelSize(20);
  big.setBold(true);
  title_->setFont(big);
  version_ = Named(new QLabel(this), "lblVersion");
  released_ = Named(new QLabel(this), "Label1Description");
  description_ = Named(new QLabel(this), "lblDescription");
  description_->setWordWrap(true);
  auto* line = Named(new QFrame(this), "Line1");
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  email_label_ = Named(new QLabel(this), "EmailLabel");
  email_link_ = Named(new QLabel(this), "EmailHyperLink");
  home_label_ = Named(new QLabel(this), "HomePageLabel");
  home_link_ = Named(new QLabel(this), "HomePageHyperLink");
  for (QLabel* link : {email_link_, home_link_}) {
    // Following the link is the label's own business, through the desktop.
    link->setTextFormat(Qt::RichText);
    link->setOpenExternalLinks(true);
    link->setTextInteractionFlags(Qt::TextBrowserInteraction);
  }
  disclaimer_ = Named(new QLabel(this), "lblDisclaimer");
  disclaimer_->setWordWrap(true);
  ok_ = Named(new QPushButton(this), "cmdOK");
  ok_->setDefault(true);
  sys_info_ = Named(new QPushButton(this), "cmdSysInfo");
  sla_ = Named(new QPushButton(this), "CmdSLA");
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(sys_info_, &QPushButton::clicked, this, [this] { shell::cmdSysInfo_Click(about_); });
  connect(sla_, &QPushButton::clicked, this, [this] { shell::CmdSLA_Click(about_); });

  auto* top = new QGridLayout;
  top->setHorizontalSpacing(16);
  top->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
  top->addWidget(title_, 0, 1);
  top->addWidget(version_, 1, 1);
  top->addWidget(released_, 2, 1);
  top->addWidget(description_, 3, 1);
  auto* links = new QGridLayout;
  links->addWidget(email_label_, 0, 0);
  links->addWidget(email_link_, 0, 1);
  links->addWidget(home_label_, 1, 0);
  links->addWidget(home_link_, 1, 1);
  links->setColumnStretch(1, 1);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok_);
  buttons->addWidget(sys_info_);
  buttons->addWidget(sla_);
  auto* bottom = new QHBoxLayout;
  bottom->addWidget(disclaimer_, 1);
  bottom->addLayout(buttons);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addWidget(line);
  layout->addLayout(links);
  layout->addLayout(bottom);
  setFixedWidth(460);
}

void AboutWindow::Open() {
  if (!about_.Open) {
    shell::frmAbout_Load(about_);
    setWindowTitle(QString::fromStdString(about_.Caption));
    title_->setText(QString::fromStdString(about_.lblTitle));
    version_->setText(QString::fromStdString(about_.lblVersion));
    released_->setText(QString::fromStdString(about_.Label1Description));
    description_->setText(QString::fromStdString(about_.lblDescription));
    email_label_->setText(QString::fromStdString(about_.EmailLabel));
    email_link_->setText(Link(about_.EmailHyperLinkTarget, about_.EmailHyperLinkCaption));
    home_label_->setText(QString::fromStdString(about_.HomePageLabel));
    home_link_->setText(Link(about_.HomePageHyperLinkTarget, about_.HomePageHyperLinkCaption));
    disclaimer_->setText(QString::fromStdString(about_.lblDisclaimer));
    ok_->setText(QString::fromStdString(about_.cmdOK));
    sys_info_->setText(QString::fromStdString(about_.cmdSysInfo));
    sla_->setText(QString::fromStdString(about_.CmdSLA));
    // The designed size, neither larger nor smaller: the height its texts
    // take at the fixed width.
    QLayout* box = layout();
    setFixedHeight(box->hasHeightForWidth() ? box->totalHeightForWidth(width())
                                            : box->totalSizeHint().height());
    main_changed_();
    // The main window owns About, so the window manager keeps About above
    // it; disabling the main window disabled its windows too, and a window
    // may take input again on its own.
    setEnabled(true);
  }
  ok_->setFocus(Qt::OtherFocusReason);
  show();
  raise();
  activateWindow();
}

void AboutWindow::Unload() {
  if (!about_.Open) return;
  shell::frmAbout_Unload(about_);
  main_changed_();
}

// However the window closes (OK, Escape, its close box) the main window
// takes input again.
void AboutWindow::closeEvent(QCloseEvent* event) {
  Unload();
  QDialog::closeEvent(event);
}

void AboutWindow::done(int result) {
  Unload();
  QDialog::done(result);
}

}  // namespace quorvel::ui
