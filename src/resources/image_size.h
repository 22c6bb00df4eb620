// Which size of a button image serves a display scale. Pure, free of <windows.h>.
#pragma once

// The sizes the button images are drawn in, in pixels: 16 at 100 %, then one per larger scale
// (125 % to 300 %), in the order of their resource numbers (IDP_SIZE_STEP in resource_ids.h).
constexpr int kImageSizes[] = {16, 20, 24, 28, 32, 40, 48};

// The place in kImageSizes of the smallest image at least `pixels` wide (shrunk to that width
// it stays sharp, where an enlarged one would blur), or of the largest when none is so wide.
int ImageSizePlace(int pixels);
