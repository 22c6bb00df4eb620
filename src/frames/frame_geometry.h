// Where the frames go: the rings around the selected terminals, less what lies over them, cut to
// one display, and what changed since the last picture. Pure rectangle arithmetic, free of
// <windows.h>, so that it is tested natively.
#pragma once

#include <vector>

// A rectangle in screen pixels; right and bottom are outside it, as in a window rectangle.
struct Box {
  int left = 0, top = 0, right = 0, bottom = 0;
};
bool operator==(const Box& a, const Box& b);
bool IsEmpty(const Box& box);
Box Intersection(const Box& a, const Box& b);

// A frame is kFrameWidth pixels wide just inside the window's edge: a dark ring with a ring of
// the accent colour inside it, one pixel in from either side, so that it shows on light and on
// dark surroundings alike. Inside, not around: tiled terminals touch each other and the edges
// of the screen, where a ring outside them would be lost or lie on the neighbour.
constexpr int kFrameWidth = 5;

struct FramePiece {
  Box box;
  bool accent = false;  // the inner ring's colour; otherwise the dark edge
  bool muted = false;   // the inner ring of a terminal that does not take the keys now: grey
};
bool operator==(const FramePiece& a, const FramePiece& b);

// One visible top-level window, in z-order from the top.
struct StackedWindow {
  Box bounds;
  bool framed = false;  // a selected terminal
  bool muted = false;   // one that does not take the keys now
};

// The parts of the frames of the framed windows that no window above them covers, each frame's
// dark pieces before its accent pieces (the order to paint them in).
std::vector<FramePiece> VisibleFrames(const std::vector<StackedWindow>& stack);

// The pieces that lie on display, cut to it and moved to its own coordinates (its top-left
// corner is 0, 0), in the same order.
std::vector<FramePiece> OnDisplay(const std::vector<FramePiece>& pieces, const Box& display);

// The left and the right half of a display, each a frame surface's place: no surface is as large
// as a display (see frame_surface.h).
std::vector<Box> Halves(const Box& display);

// The boxes of the pieces that are in one picture and not in the other: what must be painted
// again to turn before into after.
std::vector<Box> ChangedBoxes(std::vector<FramePiece> before, std::vector<FramePiece> after);
