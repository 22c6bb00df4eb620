// Layout rectangles of all 21 controls at the smallest full-mode size and at a large one, as
// pixel values worked out by hand from the panel's drawing; compact mode gives the hidden
// controls negative heights.
#include <gtest/gtest.h>

#include "app/panel_layout.h"

// Found by argument-dependent lookup, so beside LayoutRect in the global namespace.
static bool operator==(const LayoutRect& a, const LayoutRect& b) {
  return a.x == b.x && a.y == b.y && a.width == b.width && a.height == b.height;
}

static std::ostream& operator<<(std::ostream& out, const LayoutRect& r) {
  return out << "{" << r.x << ", " << r.y << ", " << r.width << ", " << r.height << "}";
}

namespace {

// Client size of the 420 x 370 outer window with Windows' default 96-DPI frame.
constexpr int kSmallWidth = 404;
constexpr int kSmallHeight = 331;

TEST(PanelLayout, AllControlsAtTheSmallestAndAtALargeSize) {
  const struct {
    const char* name;
    LayoutRect PanelLayout::*control;
    LayoutRect small, large;  // at 404 x 331 and at 1600 x 1100
  } expected[] = {
      {"CommandBox", &PanelLayout::commandBox, {10, 8, 384, 21}, {10, 8, 1580, 21}},
      {"CompactButton", &PanelLayout::compactButton, {10, 38, 18, 18}, {10, 38, 18, 18}},
      {"ListCaption", &PanelLayout::listCaption, {30, 40, 150, 20}, {30, 40, 150, 20}},
      {"FilterBox", &PanelLayout::filterBox, {10, 60, 244, 21}, {10, 60, 1440, 21}},
      {"TerminalListBox", &PanelLayout::terminalList, {10, 80, 244, 126}, {10, 80, 1440, 895}},
      {"ReverseOrderButton",
       &PanelLayout::reverseOrderButton,
       {10, 208, 244, 22},
       {10, 977, 1440, 22}},
      {"InvertSelectionButton",
       &PanelLayout::invertSelectionButton,
       {10, 233, 184, 22},
       {10, 1002, 1380, 22}},
      {"FlashButton", &PanelLayout::flashButton, {199, 233, 55, 22}, {1395, 1002, 55, 22}},
      {"WindowOpsGroup", &PanelLayout::windowOpsGroup, {264, 55, 130, 201}, {1460, 55, 130, 970}},
      {"RefreshButton", &PanelLayout::refreshButton, {10, 263, 384, 30}, {10, 1032, 1580, 30}},
      {"HelpButton", &PanelLayout::helpButton, {10, 299, 24, 24}, {10, 1068, 24, 24}},
      {"SelectionCountLabel",
       &PanelLayout::selectionCountLabel,
       {244, 301, 150, 20},
       {1440, 1070, 150, 20}},
      {"DisplayCombo", &PanelLayout::displayCombo, {8, 18, 115, 100}, {8, 18, 115, 100}},
      {"MenuBarButton", &PanelLayout::menuBarButton, {8, 45, 115, 22}, {8, 45, 115, 22}},
      {"AreaCombo", &PanelLayout::areaCombo, {8, 75, 115, 100}, {8, 75, 115, 100}},
      {"ColumnsLabel", &PanelLayout::columnsLabel, {8, 105, 15, 20}, {8, 105, 15, 20}},
      {"ColumnsEdit", &PanelLayout::columnsEdit, {23, 100, 40, 21}, {23, 100, 40, 21}},
      {"RowsLabel", &PanelLayout::rowsLabel, {68, 105, 15, 20}, {68, 105, 15, 20}},
      {"RowsEdit", &PanelLayout::rowsEdit, {83, 100, 40, 21}, {83, 100, 40, 21}},
      {"ArrangeButton", &PanelLayout::arrangeButton, {8, 125, 115, 41}, {8, 125, 115, 810}},
      {"HideOthersButton", &PanelLayout::hideOthersButton, {8, 171, 115, 22}, {8, 940, 115, 22}},
  };
  const PanelLayout small = ComputePanelLayout(kSmallWidth, kSmallHeight, 96);
  const PanelLayout large = ComputePanelLayout(1600, 1100, 96);
  for (const auto& e : expected) {
    EXPECT_EQ(small.*e.control, e.small) << e.name << " at 404 x 331";
    EXPECT_EQ(large.*e.control, e.large) << e.name << " at 1600 x 1100";
  }
}

TEST(PanelLayout, CompactModeHidesControlsWithNegativeHeights) {
  // The 95-pixel window leaves a client height of about 56.
  const PanelLayout l = ComputePanelLayout(kSmallWidth, 56, 96);
  EXPECT_GT(l.commandBox.width, 0);
  EXPECT_EQ(l.commandBox.height, 21);
  EXPECT_LT(l.terminalList.height, 0);
  EXPECT_LT(l.windowOpsGroup.height, 0);
  EXPECT_LT(l.arrangeButton.height, 0);
  EXPECT_LT(l.reverseOrderButton.y, 0) << "bottom-anchored controls move above the top";
}

}  // namespace
