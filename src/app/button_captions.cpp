// Caption texts of the hinted buttons; see button_captions.h.
#include "app/button_captions.h"

const Utf16Unit* ButtonCaption(CaptionButton button, bool hints, bool menuBarHidden) {
  switch (button) {
    case CaptionButton::ReverseOrder:
      return hints ? UTF16("並び順を反転(F4)") : UTF16("並び順を反転");
    case CaptionButton::InvertSelection:
      return hints ? UTF16("選択を反転(R)") : UTF16("選択を反転");
    case CaptionButton::Flash: return hints ? UTF16("点滅(B)") : UTF16("点滅");
    case CaptionButton::Refresh:
      return hints ? UTF16("TeraTermウィンドウ更新(F5)") : UTF16("TeraTermウィンドウ更新");
    case CaptionButton::MenuBar:
      if (menuBarHidden) return hints ? UTF16("MenuBar On(M)") : UTF16("MenuBar On");
      return hints ? UTF16("MenuBar Off(M)") : UTF16("MenuBar Off");
    case CaptionButton::Arrange: return hints ? UTF16("並べる(L)") : UTF16("並べる");
    case CaptionButton::HideOthers: return hints ? UTF16("他を隠す(H)") : UTF16("他を隠す");
  }
  return UTF16("");
}
