// The main window's transparency.
#pragma once

extern bool IsTransparent;

// Makes the main window fully opaque again.
void ForceOpaque();
