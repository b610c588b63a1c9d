#include "ui/splash_window.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

#include "shell/module1.h"
#include "shell/version.h"
#include "ui/vector_icons.h"

namespace quorvel::ui {
namespace {

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  return label;
}

}  // namespace

SplashWindow::SplashWindow() : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint) {
  setObjectName(QStringLiteral("frmSplash"));
  setWindowTitle(QStringLiteral("Quorvel Calculator Splash"));
  setAttribute(Qt::WA_DeleteOnClose, false);

  auto* frame = new QFrame(this);
  frame->setObjectName(QStringLiteral("Frame1"));
  frame->setFrameStyle(QFrame::Box | QFrame::Raised);
  frame->setLineWidth(2);
  frame->installEventFilter(this);

  auto* logo = PictureView(Picture::Logo, 96, frame);
  logo->setObjectName(QStringLiteral("imgLogo"));
  logo->setAccessibleName(QStringLiteral("Quorvel Calculator logo"));

  QLabel* product = AddLabel(frame, "lblProductName", QString::fromUtf8(shell::kAppTitle));
  QFont big = product->font();
  big.setPixelSize(26);
  big.setBold(true);
  product->setFont(big);
  product->setStyleSheet(QStringLiteral("color: #1e3c82;"));
  QLabel* version = AddLabel(frame, "lblVersion", QString::fromUtf8(shell::kVersionText));
  QLabel* released =
      AddLabel(frame, "lblReleasedDate",
               QStringLiteral("Released Date : ") + QString::fromUtf8(shell::kReleaseDateText));
  QLabel* description = AddLabel(frame, "DesLabel1", QString::fromUtf8(shell::kDescription));
  description->setWordWrap(true);
  auto* line = new QFrame(frame);
  line->setObjectName(QStringLiteral("Line1"));
  line->setFrameShape(QFrame::HLine);
  line->setFrameShadow(QFrame::Sunken);
  QLabel* email = AddLabel(frame, "EmailLabel1",
                           QStringLiteral("Email : ") + QString::fromUtf8(shell::kContactEmail));
  QLabel* home = AddLabel(frame, "HomePageLabel1",
                          QStringLiteral("Home Page : ") + QString::fromUtf8(shell::kHomePage));

  auto* grid = new QGridLayout(frame);
  grid->setContentsMargins(18, 18, 18, 14);
  grid->setHorizontalSpacing(18);
  grid->addWidget(logo, 0, 0, 4, 1, Qt::AlignTop);
  grid->addWidget(product, 0, 1);
  grid->addWidget(version, 1, 1);
  grid->addWidget(released, 2, 1);
  grid->addWidget(description, 3, 1);
  grid->addWidget(line, 4, 0, 1, 2);
  grid->addWidget(email, 5, 0, 1, 2);
  grid->addWidget(home, 6, 0, 1, 2);

  auto* outer = new QVBoxLayout(this);
  outer->setContentsMargins(0, 0, 0, 0);
  outer->addWidget(frame);
  setFixedSize(440, 250);
}

void SplashWindow::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (!shown_.isValid()) shown_.start();
}

void SplashWindow::paintEvent(QPaintEvent* event) {
  QWidget::paintEvent(event);
  if (!painted_) {
    painted_ = true;
    shown_.start();
  }
}

void SplashWindow::keyPressEvent(QKeyEvent*) { close(); }

bool SplashWindow::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) close();
  return false;
}

}  // namespace quorvel::ui
