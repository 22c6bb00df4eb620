// Tooltips of the twelve controls that have one. The tool records live as long as the
// program, because every layout gives them the controls' new client rectangles.
#pragma once

#include <windows.h>

void AddControlTip(HWND control, const wchar_t* text, int maxWidth);

// After each layout: the tool rectangle of every tip follows its control's client area.
void RefreshControlTipRects();
