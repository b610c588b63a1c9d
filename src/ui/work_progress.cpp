#include "ui/work_progress.h"

#include <QProgressBar>
#include <QVBoxLayout>

namespace quorvel::ui {

WorkProgress::WorkProgress(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowDoesNotAcceptFocus),
      bar_(new QProgressBar(this)) {
  setObjectName(QStringLiteral("WorkProgress"));
  setWindowTitle(owner ? owner->windowTitle() : QString());
  setWindowModality(Qt::WindowModal);
  setAttribute(Qt::WA_ShowWithoutActivating);
  bar_->setRange(0, 1000);
  bar_->setValue(0);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(bar_);
  // Wide enough for the title in the frame of a window manager.
  setMinimumWidth(320);
}

void WorkProgress::ShowProgress(std::size_t done, std::size_t total) {
  if (total == 0) return;
  bar_->setValue(static_cast<int>(static_cast<double>(done) / static_cast<double>(total) * 1000));
}

int WorkProgress::Thousandths() const { return bar_->value(); }

}  // namespace quorvel::ui
