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

TEST(KeepTitleBarOnScreen, TitleBarExactlyOnEachScreenEdge) {
  // A 400 x 300 window with a 30-pixel title bar on an 800 x 600 screen:
  // touching an edge from outside is off screen, one pixel over is on it.
  const std::vector<Rect> screen = {{0, 0, 800, 600}};
  const struct {
    Rect frame;
    int x, y;
  } cases[] = {
      {{800, 100, 400, 300}, 400, 100},  // just past the right edge
      {{799, 100, 400, 300}, 799, 100},  // one column on it
      {{-400, 100, 400, 300}, 0, 100},   // just past the left edge
      {{-399, 100, 400, 300}, -399, 100},
      {{100, 600, 400, 300}, 100, 300},  // just below the bottom edge
      {{100, 599, 400, 300}, 100, 599},
      {{100, -30, 400, 300}, 100, 0},  // just above the top edge
      {{100, -29, 400, 300}, 100, -29},
      {{900, 100, 1000, 300}, 0, 100},  // wider than the screen: its left edge
      {{100, 700, 400, 900}, 100, 0},   // taller: its top edge
  };
  for (const auto& c : cases) {
    const Rect placed = KeepTitleBarOnScreen(c.frame, 30, screen);
    EXPECT_EQ(placed.x, c.x) << c.frame.x << "," << c.frame.y;
    EXPECT_EQ(placed.y, c.y) << c.frame.x << "," << c.frame.y;
  }
  // The nearer of two screens is measured from the window's nearer edge:
  // 100 pixels to the right-hand one, 300 to the left-hand one.
  const std::vector<Rect> apart = {{0, 0, 800, 600}, {2000, 0, 800, 600}};
  const Rect placed = KeepTitleBarOnScreen({1100, 700, 800, 300}, 30, apart);
  EXPECT_EQ(placed.x, 2000);
  EXPECT_EQ(placed.y, 300);
}

}  // namespace
}  // namespace quorvel::shell
