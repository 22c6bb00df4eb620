// Caption hints (F1): seven buttons show their shortcut key in their caption.
#pragma once

void ToggleCaptionHints();
