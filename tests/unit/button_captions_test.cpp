// Button captions with and without hints, and the selection counter's text.
#include <gtest/gtest.h>

#include "app/button_captions.h"
#include "app/selection_counter.h"

namespace {

Utf16String Caption(CaptionButton button, bool hints, bool hidden = false) {
  return ButtonCaption(button, hints, hidden);
}

TEST(ButtonCaptions, HintsAppendTheShortcutKey) {
  const struct {
    CaptionButton button;
    const Utf16Unit* plain;
    const Utf16Unit* hinted;
  } cases[] = {
      {CaptionButton::ReverseOrder, u"並び順を反転", u"並び順を反転(F4)"},
      {CaptionButton::InvertSelection, u"選択を反転", u"選択を反転(R)"},
      {CaptionButton::Flash, u"点滅", u"点滅(B)"},
      {CaptionButton::Refresh, u"TeraTermウィンドウ更新", u"TeraTermウィンドウ更新(F5)"},
      {CaptionButton::Arrange, u"並べる", u"並べる(L)"},
      {CaptionButton::HideOthers, u"他を隠す", u"他を隠す(H)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Caption(c.button, false), c.plain);
    EXPECT_EQ(Caption(c.button, true), c.hinted);
    EXPECT_EQ(Caption(c.button, true, true), c.hinted) << "only the menu-bar button follows it";
  }
}

TEST(ButtonCaptions, MenuBarButtonNamesItsNextPress) {
  EXPECT_EQ(Caption(CaptionButton::MenuBar, false, false), u"MenuBar Off");
  EXPECT_EQ(Caption(CaptionButton::MenuBar, false, true), u"MenuBar On");
  EXPECT_EQ(Caption(CaptionButton::MenuBar, true, false), u"MenuBar Off(M)");
  EXPECT_EQ(Caption(CaptionButton::MenuBar, true, true), u"MenuBar On(M)");
}

TEST(SelectionCounter, CountIsLeftAlignedInThreeColumns) {
  EXPECT_EQ(FormatSelectionCount(0), u"選択ウィンドウ数：  0  ");
  EXPECT_EQ(FormatSelectionCount(7), u"選択ウィンドウ数：  7  ");
  EXPECT_EQ(FormatSelectionCount(12), u"選択ウィンドウ数：  12 ");
  EXPECT_EQ(FormatSelectionCount(100), u"選択ウィンドウ数：  100");
  EXPECT_EQ(FormatSelectionCount(1234), u"選択ウィンドウ数：  1234");
}

}  // namespace
