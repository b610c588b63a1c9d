#pragma once
// Button faces drawn as vector shapes and text, so that they stay crisp at
// any screen scale. A face is laid out on a 53 by 34 picture and scaled to
// fit the button.

#include <QSizeF>
#include <QStringList>

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

// `legend` is the text of a Legend face; `letter_size` is the pixel size of
// the letters of the Legend and CashFlow faces, in the area's own pixels, so
// that legends on buttons of different sizes match.
void PaintFace(QPainter& painter, const QRectF& area, Face face, const QString& legend,
               bool enabled, qreal letter_size);

// The largest letter size at which every one of `legends` fits across a
// button face of `face_size` pixels, with a little room at both ends.
qreal LegendLetterSize(const QStringList& legends, QSizeF face_size);

}  // namespace quorvel::ui
