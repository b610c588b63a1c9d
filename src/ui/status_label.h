#pragma once
// The status bar: one line that shows the last calculation or message. A
// text longer than the line ends in an ellipsis where it is cut, and the
// whole text is then the tooltip.

#include <QLabel>

namespace quorvel::ui {

class StatusLabel : public QLabel {
 public:
  explicit StatusLabel(QWidget* parent = nullptr) : QLabel(parent) {}

  // What the line shows of text(): all of it, or its start and "…".
  QString ShownText() const;
  bool IsCut() const { return ShownText() != text(); }

  // To be called after setText: a cut text becomes the tooltip, and the
  // label's own tooltip comes back when the text fits again.
  void TextChanged();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QString own_tip_;
  bool tip_is_text_ = false;
};

}  // namespace quorvel::ui
