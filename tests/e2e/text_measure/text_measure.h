// What text_measure.dll shares with the test that hooks it onto another process's thread: a named
// block with the text to measure and its size; the name also names the message that measures.
#pragma once

#include <windows.h>

struct TextMeasureBlock {
  wchar_t text[1024];  // empty: the window's own text, a tooltip's first tool's
  SIZE size;
};
constexpr wchar_t kTextMeasureName[] = L"FlockhandE2eTextMeasure";
