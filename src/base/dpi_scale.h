// Display scaling. Every size of the panel is designed in pixels at 96 DPI (100 %) and scaled
// to the DPI of the display its window is on. Pure arithmetic, free of <windows.h>.
#pragma once

// The DPI of 100 %, at which the designed sizes hold as they are.
constexpr int kDesignDpi = 96;

// value, in pixels at fromDpi, in pixels at dpi: rounded to the nearest pixel, halves away from
// zero, as MulDiv rounds (11 at 150 % is 17, -11 is -17). Results beyond int are held at its ends;
// a fromDpi of 0 or less leaves value as it is.
int ScaleToDpi(int value, int dpi, int fromDpi = kDesignDpi);
