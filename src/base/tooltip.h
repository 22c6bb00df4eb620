// The one way Flockhand makes a tooltip: for one control, with TTF_SUBCLASS so that the tip
// watches the control's mouse messages itself.
#pragma once

#include <windows.h>

// A tip owned by owner (it goes with it) over control's client area. A maximum width makes the
// tip break its lines at the line feeds of the text; text must outlive the tip.
HWND CreateControlTip(HWND owner, HWND control, const wchar_t* text, int maxWidth);

// The maximum width is given at 96 DPI and scaled to the control's DPI, as the tip's font is:
// a line that fits at 100 % is not broken at another scale.
void SetControlTipWidth(HWND tip, HWND control, int maxWidth);

// Tells the tip that its control has a new size.
void RefreshControlTip(HWND tip, HWND control);
