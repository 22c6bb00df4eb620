// The four captions of the menu-bar button; see menu_bar_caption.h.
#include "operations/menu_bar_caption.h"

const Utf16Unit* MenuBarCaption(bool menuBarHidden, bool captionHints) {
  if (menuBarHidden) return captionHints ? UTF16("MenuBar On(M)") : UTF16("MenuBar On");
  return captionHints ? UTF16("MenuBar Off(M)") : UTF16("MenuBar Off");
}
