// Tooltips of the twelve controls that have one. The tool records live as long as the
// program, because every layout gives them the controls' new client rectangles.
#pragma once

#include <windows.h>

// A control's tip: recorded while the panel is built, its tooltip made later.
struct ControlTip {
  HWND control;
  const wchar_t* text;
  int maxWidth;  // at 96 DPI
  HWND tooltip;
};

// Records the control's tip (maxWidth at 96 DPI); its tooltip window is made by
// CreateControlTips.
void AddControlTip(HWND control, const wchar_t* text, int maxWidth);

// Makes the tooltip windows of the recorded tips, in the order recorded. Each is a top-level
// window (under Wine with an X window behind it): together they cost about as much as the
// rest of the panel, and nobody can point at a control before the message loop runs, so they
// are made right after the first paint.
void CreateControlTips();

// After each layout: the tool rectangle of every tip follows its control's client area.
void RefreshControlTipRects();

// After a change of scale: the tips' widths follow it.
void RescaleControlTips();
