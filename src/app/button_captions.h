// The captions of the seven buttons that show their shortcut key while caption hints are on
// (F1). The menu-bar button names what its next press does. Free of <windows.h>.
#pragma once

#include "base/utf16.h"

enum class CaptionButton {
  ReverseOrder,
  InvertSelection,
  Flash,
  Refresh,
  MenuBar,
  Arrange,
  HideOthers,
};

const Utf16Unit* ButtonCaption(CaptionButton button, bool captionHints, bool menuBarHidden);
