// Keeping a restored window's title bar on a screen.

#include "shell/window_placement.h"

#include <gtest/gtest.h>

namespace quorvel::shell {
namespace {

TEST(KeepTitleBarOnScreen, MovesOnlyWindowsThatNoScreenShows) {
  const std::vector<Rect> two = {{0, 0, 1920, 1080}, {1920, 0, 1280, 1024}};
  const struct {
    Rect frame;
    Rect expected;
  } cases[] = {
      {{100, 100, 400, 500}, {100, 100, 400, 500}},    // on the first screen
      {{2000, 50, 400, 500}, {2000, 50, 400, 500}},    // on the second
      {{-350, 10, 400, 500}, {-350, 10, 400, 500}},    // partly off, title bar still seen
      {{5000, 200, 400, 500}, {2800, 200, 400, 500}},  // a third screen that is gone
      {{100, -900, 400, 500}, {100, 0, 400, 500}},     // above every screen
      {{-3000, 2000, 400, 500}, {0, 580, 400, 500}},   // below and left
      {{100, 1079, 400, 500}, {100, 1079, 400, 500}},  // one pixel row still on screen
  };
  for (const auto& c : cases) {
    const Rect placed = KeepTitleBarOnScreen(c.frame, 30, two);
    EXPECT_EQ(placed.x, c.expected.x) << c.frame.x << "," << c.frame.y;
    EXPECT_EQ(placed.y, c.expected.y) << c.frame.x << "," << c.frame.y;
  }
  const Rect unchanged = KeepTitleBarOnScreen({9000, 9000, 10, 10}, 30, {});
  EXPECT_EQ(unchanged.x, 9000);
}

}  // namespace
}  // namespace quorvel::shell
