#pragma once
// Button faces drawn as vector shapes and text, so that they stay crisp at
// any screen scale. A face is laid out on a 53 by 34 picture and scaled to
// fit the button.

class QPainter;
class QRectF;
class QString;

namespace quorvel::ui {

enum class Face {
  None,
  Plus,
  Minus,
  Multiply,
  Divide,
  Equals,
  Backspace,
  Clear,
  AllClear,
  ClearInputs,  // "FC"
  CashFlow,     // a triangle pointing left, then "CF"
  Legend,       // a function's short name, in blue
};

// `legend` is the text of a Legend face.
void PaintFace(QPainter& painter, const QRectF& area, Face face, const QString& legend,
               bool enabled);

}  // namespace quorvel::ui
