// Layout rectangles: nothing overlaps or runs off the client area at the smallest full-mode
// size or at a large one, and compact mode gives the hidden controls negative heights.
#include <gtest/gtest.h>

#include "app/panel_layout.h"

namespace {

// Client size of the 420 x 370 outer window with Windows' default 96-DPI frame.
constexpr int kSmallWidth = 404;
constexpr int kSmallHeight = 331;

bool Overlap(const LayoutRect& a, const LayoutRect& b) {
  return a.x < b.x + b.width && b.x < a.x + a.width && a.y < b.y + b.height && b.y < a.y + a.height;
}

int Right(const LayoutRect& r) { return r.x + r.width; }
int Bottom(const LayoutRect& r) { return r.y + r.height; }

void ExpectTidyFullLayout(int w, int h) {
  SCOPED_TRACE(testing::Message() << "client " << w << " x " << h);
  const PanelLayout l = ComputePanelLayout(w, h);
  const LayoutRect mainChildren[] = {l.commandBox,
                                     l.filterBox,
                                     l.terminalList,
                                     l.reverseOrderButton,
                                     l.invertSelectionButton,
                                     l.flashButton,
                                     l.windowOpsGroup,
                                     l.refreshButton,
                                     l.helpButton,
                                     l.selectionCountLabel};
  for (const LayoutRect& r : mainChildren) {
    EXPECT_GT(r.width, 0);
    EXPECT_GT(r.height, 0);
    EXPECT_GE(r.x, 0);
    EXPECT_LE(Right(r), w);
    EXPECT_LE(Bottom(r), h);
  }
  // The left column, the group box and the bottom rows do not touch each other.
  const LayoutRect leftColumn[] = {l.terminalList, l.reverseOrderButton, l.invertSelectionButton,
                                   l.flashButton};
  for (const LayoutRect& r : leftColumn) {
    EXPECT_FALSE(Overlap(r, l.windowOpsGroup));
    EXPECT_FALSE(Overlap(r, l.refreshButton));
  }
  EXPECT_FALSE(Overlap(l.terminalList, l.reverseOrderButton));
  EXPECT_EQ(l.reverseOrderButton.y - Bottom(l.terminalList), 2) << "list ends 2 px above";
  EXPECT_FALSE(Overlap(l.invertSelectionButton, l.flashButton));
  EXPECT_FALSE(Overlap(l.windowOpsGroup, l.refreshButton));
  EXPECT_FALSE(Overlap(l.helpButton, l.selectionCountLabel));
  EXPECT_EQ(Right(l.windowOpsGroup), w - 10);
  EXPECT_EQ(Bottom(l.windowOpsGroup), h - 75);
  // Inside the group box (its own coordinates): arrange ends 5 px above hide-others, which
  // sits at H - 105 in the main window and inside the group's height.
  EXPECT_GT(l.arrangeButton.height, 0);
  EXPECT_EQ(l.hideOthersButton.y - Bottom(l.arrangeButton), 5);
  EXPECT_EQ(l.windowOpsGroup.y + l.hideOthersButton.y, h - 105);
  EXPECT_LE(Bottom(l.hideOthersButton), l.windowOpsGroup.height);
  EXPECT_LE(Right(l.arrangeButton), l.windowOpsGroup.width);
}

TEST(PanelLayout, SmallestFullModeSizeIsTidy) { ExpectTidyFullLayout(kSmallWidth, kSmallHeight); }

TEST(PanelLayout, LargeSizeIsTidyAndGrowsTheListAndArrangeButton) {
  ExpectTidyFullLayout(1600, 1100);
  const PanelLayout small = ComputePanelLayout(kSmallWidth, kSmallHeight);
  const PanelLayout large = ComputePanelLayout(1600, 1100);
  EXPECT_EQ(large.terminalList.height - small.terminalList.height, 1100 - kSmallHeight);
  EXPECT_EQ(large.arrangeButton.height - small.arrangeButton.height, 1100 - kSmallHeight);
  EXPECT_EQ(large.windowOpsGroup.width, small.windowOpsGroup.width) << "the group keeps its width";
  EXPECT_EQ(large.selectionCountLabel.x, 1600 - 160) << "the counter stays at the right";
}

TEST(PanelLayout, CompactModeHidesControlsWithNegativeHeights) {
  // The 95-pixel window leaves a client height of about 56.
  const PanelLayout l = ComputePanelLayout(kSmallWidth, 56);
  EXPECT_GT(l.commandBox.width, 0);
  EXPECT_EQ(l.commandBox.height, 21);
  EXPECT_LT(l.terminalList.height, 0);
  EXPECT_LT(l.windowOpsGroup.height, 0);
  EXPECT_LT(l.arrangeButton.height, 0);
  EXPECT_LT(l.reverseOrderButton.y, 0) << "bottom-anchored controls move above the top";
}

TEST(PanelLayout, MinimisedZeroSizeDoesNotBreak) {
  const PanelLayout l = ComputePanelLayout(0, 0);
  EXPECT_EQ(l.commandBox.width, -20);
  EXPECT_EQ(l.flashButton.x, -205);
}

}  // namespace
