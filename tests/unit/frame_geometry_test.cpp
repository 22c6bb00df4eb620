// The frames' rectangles: rings inside the window's edge, cut by the windows above, cut to a
// display, and the pieces that changed. Areas are counted against sums worked out by hand.
#include "frames/frame_geometry.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

long long Area(const std::vector<FramePiece>& pieces, bool accent) {
  long long area = 0;
  for (const FramePiece& p : pieces) {
    if (p.accent == accent) area += 1LL * (p.box.right - p.box.left) * (p.box.bottom - p.box.top);
  }
  return area;
}

TEST(FrameGeometry, RingsLieInsideTheEdgeDarkFirst) {
  const std::vector<FramePiece> pieces = VisibleFrames({{{100, 100, 200, 200}, true}});
  const std::vector<FramePiece> expected = {
      {{100, 100, 200, 105}, false}, {{100, 195, 200, 200}, false}, {{100, 105, 105, 195}, false},
      {{195, 105, 200, 195}, false}, {{101, 101, 199, 104}, true},  {{101, 196, 199, 199}, true},
      {{101, 104, 104, 196}, true},  {{196, 104, 199, 196}, true}};
  EXPECT_EQ(pieces, expected);
}

TEST(FrameGeometry, WindowsAboveCutTheFrameAndOnlyThey) {
  const Box framed{100, 100, 200, 200};
  const struct {
    std::vector<StackedWindow> stack;
    long long dark, accent;  // 1900 = 2 * 100 * 5 + 2 * 90 * 5; 1140 = 2 * 98 * 3 + 2 * 92 * 3
  } cases[] = {
      {{{framed, true}}, 1900, 1140},
      {{{framed, false}}, 0, 0},
      {{{{50, 50, 150, 250}, false}, {framed, true}}, 950, 570},    // the left half covered
      {{{framed, true}, {{50, 50, 150, 250}, false}}, 1900, 1140},  // below: no cut
      {{{{0, 0, 300, 300}, false}, {framed, true}}, 0, 0},
      {{{{120, 120, 180, 180}, true}, {framed, true}}, 1100 + 1900, 660 + 1140},  // two frames
  };
  for (const auto& c : cases) {
    const std::vector<FramePiece> pieces = VisibleFrames(c.stack);
    EXPECT_EQ(Area(pieces, false), c.dark);
    EXPECT_EQ(Area(pieces, true), c.accent);
  }
}

TEST(FrameGeometry, TinyAndHugeWindowsStayInsideTheirBounds) {
  for (const Box& b : {Box{0, 0, 6, 3}, Box{0, 0, 1, 1}, Box{5, 5, 5, 9},
                       Box{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, Box{INT_MAX, 0, INT_MIN, 9}}) {
    for (const FramePiece& p : VisibleFrames({{b, true}})) {
      EXPECT_FALSE(IsEmpty(p.box));
      EXPECT_TRUE(p.box.left >= b.left && p.box.right <= b.right && p.box.top >= b.top &&
                  p.box.bottom <= b.bottom);
    }
  }
  EXPECT_EQ(Area(VisibleFrames({{{0, 0, 6, 3}, true}}), false), 18) << "filled whole";
}

TEST(FrameGeometry, OnDisplayCutsAndMovesToTheDisplaysCorner) {
  const std::vector<FramePiece> pieces = {{{1200, 100, 1300, 105}, true}, {{0, 0, 10, 10}, false}};
  const std::vector<FramePiece> second = {{{0, 100, 20, 105}, true}};
  EXPECT_EQ(OnDisplay(pieces, {1280, 0, 2304, 768}), second);
  EXPECT_TRUE(OnDisplay(pieces, {0, 2000, 100, 2100}).empty());
}

TEST(FrameGeometry, HalvesCoverTheDisplaySideBySide) {
  EXPECT_EQ(Halves({1280, 0, 2304, 768}),
            (std::vector<Box>{{1280, 0, 1792, 768}, {1792, 0, 2304, 768}}));
  EXPECT_EQ(Halves({-5, -3, 2, 0}), (std::vector<Box>{{-5, -3, -2, 0}, {-2, -3, 2, 0}}));
}

TEST(FrameGeometry, ChangedBoxesAreThoseThatCameOrWent) {
  const FramePiece a{{0, 0, 10, 5}, false}, b{{0, 5, 5, 10}, true}, moved{{3, 0, 13, 5}, false};
  EXPECT_TRUE(ChangedBoxes({a, b}, {b, a}).empty());
  const std::vector<Box> changed = ChangedBoxes({a, b}, {b, moved});
  EXPECT_EQ(changed, (std::vector<Box>{a.box, moved.box}));
  EXPECT_EQ(ChangedBoxes({a}, {{a.box, true}}).size(), 2u) << "a colour change repaints";
  EXPECT_EQ(ChangedBoxes({b}, {{b.box, true, true}}).size(), 2u) << "so does a muted one";
}

TEST(FrameGeometry, AMutedWindowsInnerRingAloneIsMuted) {
  for (const FramePiece& p : VisibleFrames({{{100, 100, 200, 200}, true, true}})) {
    EXPECT_EQ(p.muted, p.accent);
  }
  const std::vector<FramePiece> moved = {{{0, 100, 20, 105}, true, true}};
  EXPECT_EQ(OnDisplay({{{1280, 100, 1300, 105}, true, true}}, {1280, 0, 2304, 768}), moved);
}

}  // namespace
