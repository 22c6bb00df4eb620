// How large a text is in the font that a window, of any process, draws with. A font handle is
// good only inside its process, so text_measure.dll, hooked onto the window's thread, measures
// the text there, with the font the window itself has.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// What the hook and the harness share: the text to measure and its size, in a named block.
struct TextExtentBlock {
  wchar_t text[1024];
  SIZE size;
};
constexpr wchar_t kTextExtentBlock[] = L"FlockhandE2eTextExtent";
constexpr wchar_t kMeasureTextMessage[] = L"FlockhandE2eMeasureText";

// The size DrawText gives text (a line feed breaks the line) in window's font, the system font
// for a window without one; {-1, -1} when it could not be measured.
SIZE TextExtent(HWND window, const std::wstring& text);

}  // namespace e2e
