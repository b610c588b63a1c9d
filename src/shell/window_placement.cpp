#include "shell/window_placement.h"

#include <algorithm>
#include <limits>

namespace quorvel::shell {
namespace {

bool Intersects(const Rect& a, const Rect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

// The squared distance between two rectangles (0 when they touch).
long long Distance(const Rect& a, const Rect& b) {
  const long long dx = std::max({0LL, static_cast<long long>(b.x) - (a.x + a.width),
                                 static_cast<long long>(a.x) - (b.x + b.width)});
  const long long dy = std::max({0LL, static_cast<long long>(b.y) - (a.y + a.height),
                                 static_cast<long long>(a.y) - (b.y + b.height)});
  return dx * dx + dy * dy;
}

}  // namespace

Rect KeepTitleBarOnScreen(const Rect& frame, int title_height, const std::vector<Rect>& screens) {
  if (screens.empty()) return frame;
  const Rect title{frame.x, frame.y, frame.width, std::max(1, title_height)};
  const Rect* nearest = nullptr;
  long long best = std::numeric_limits<long long>::max();
  for (const Rect& screen : screens) {
    if (Intersects(title, screen)) return frame;
    const long long distance = Distance(title, screen);
    if (distance < best) {
      best = distance;
      nearest = &screen;
    }
  }
  Rect moved = frame;
  moved.x = std::clamp(frame.x, nearest->x,
                       std::max(nearest->x, nearest->x + nearest->width - frame.width));
  moved.y = std::clamp(frame.y, nearest->y,
                       std::max(nearest->y, nearest->y + nearest->height - frame.height));
  return moved;
}

}  // namespace quorvel::shell
