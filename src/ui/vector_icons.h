#pragma once
// The program's pictures drawn as vector shapes, crisp at any scale: its
// logo and the toolbar's icons.

#include <QIcon>

class QPainter;
class QRectF;
class QWidget;

namespace quorvel::ui {

enum class Picture { Logo, Cut, Copy, Paste, Help, Exit };

// Paints the picture to fill `area` (kept square, centred).
void PaintPicture(QPainter& painter, const QRectF& area, Picture picture);

// An icon that paints the picture at whatever size and scale it is asked.
QIcon VectorIcon(Picture picture);

// A widget of `side` by `side` pixels that shows the picture.
QWidget* PictureView(Picture picture, int side, QWidget* parent);

}  // namespace quorvel::ui
