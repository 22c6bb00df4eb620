// Dialog templates (DLGTEMPLATEEX, as windres writes them) read from a program's resources,
// so that a dialog's frame and controls are checked in dialog units, as they were written.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace e2e {

struct DialogItemTemplate {
  int id;
  std::wstring className;  // the predefined classes by name ("Button", "Edit", "Static", ...)
  std::wstring text;
  short x, y, cx, cy;
  DWORD style, exStyle;
};

struct DialogTemplate {
  DWORD style, exStyle;
  short cx, cy;
  std::wstring caption;
  WORD pointSize;
  std::wstring font;
  std::vector<DialogItemTemplate> items;
};

// nullopt for anything but a well-formed DLGTEMPLATEEX.
std::optional<DialogTemplate> ParseDialogTemplate(std::string_view bytes);

}  // namespace e2e
