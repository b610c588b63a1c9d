#pragma once
// Keeping a restored window reachable: a saved position on a screen that is
// no longer there would leave the window where nobody can grab it.

#include <vector>

namespace quorvel::shell {

struct Rect {
  int x = 0, y = 0, width = 0, height = 0;
};

// The position for a window of `frame` (its outer rectangle, title bar at
// the top, `title_height` high) so that its title bar lies on a screen. A
// title bar already on any screen keeps its position exactly; otherwise the
// window moves onto the nearest screen, inside it as far as it fits.
Rect KeepTitleBarOnScreen(const Rect& frame, int title_height, const std::vector<Rect>& screens);

}  // namespace quorvel::shell
