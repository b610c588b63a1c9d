#pragma once
// Where each control of the main window sits and what it shows at start:
// positions in twips of the client area (15 twips to a logical pixel),
// captions, tooltips and the faces of picture buttons.

#include <span>

#include "core/controls.h"
#include "ui/face_painter.h"

namespace quorvel::ui {

enum class WidgetKind { TextBox, MultiLineTextBox, Label, Button, PictureButton, CheckBox, Frame };

enum class Align { Left, Center, Right };

struct WidgetSpec {
  Ctl control;
  WidgetKind kind;
  int left, top, width, height;  // twips
  const char* caption;           // buttons only: labels take theirs from the model
  const char* tooltip;
  Face face = Face::None;
  Align align = Align::Left;
  Ctl parent = Ctl::None;  // a frame; positions are then relative to it
};

inline constexpr int kClientWidthTwips = 5895;
inline constexpr int kClientHeightTwips = 7320;

// Every control of the main window, in tab order; a frame before its contents.
std::span<const WidgetSpec> Form1Layout();

}  // namespace quorvel::ui
