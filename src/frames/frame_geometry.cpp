// Rectangle arithmetic for the frames; see frame_geometry.h. Coordinates are clamped first, so
// that no sum overflows whatever rectangle a window reports.
#include "frames/frame_geometry.h"

#include <algorithm>
#include <iterator>
#include <tuple>

namespace {

// Far beyond any screen, far from the ends of int.
constexpr int kCoordinateLimit = 1 << 28;

int Clamp(int v) { return std::clamp(v, -kCoordinateLimit, kCoordinateLimit); }

Box Clamped(const Box& b) { return {Clamp(b.left), Clamp(b.top), Clamp(b.right), Clamp(b.bottom)}; }

bool Overlap(const Box& a, const Box& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

void AddIfNotEmpty(std::vector<Box>& boxes, const Box& box) {
  if (!IsEmpty(box)) boxes.push_back(box);
}

// The four bands of a ring `width` wide just inside `outer`. A box too small for a ring is one
// band filled whole.
std::vector<Box> Ring(const Box& outer, int width) {
  std::vector<Box> bands;
  if (IsEmpty(outer)) return bands;
  const int top = std::min(outer.top + width, outer.bottom);
  const int bottom = std::max(outer.bottom - width, top);
  AddIfNotEmpty(bands, {outer.left, outer.top, outer.right, top});
  AddIfNotEmpty(bands, {outer.left, bottom, outer.right, outer.bottom});
  const int left = std::min(outer.left + width, outer.right);
  AddIfNotEmpty(bands, {outer.left, top, left, bottom});
  AddIfNotEmpty(bands, {std::max(outer.right - width, left), top, outer.right, bottom});
  return bands;
}

// Replaces boxes by what of them lies outside cover (each box gives up to four pieces).
void Subtract(std::vector<Box>& boxes, const Box& cover) {
  std::vector<Box> rest;
  for (const Box& b : boxes) {
    if (!Overlap(b, cover)) {
      rest.push_back(b);
      continue;
    }
    const Box middle = Intersection(b, cover);
    AddIfNotEmpty(rest, {b.left, b.top, b.right, middle.top});
    AddIfNotEmpty(rest, {b.left, middle.bottom, b.right, b.bottom});
    AddIfNotEmpty(rest, {b.left, middle.top, middle.left, middle.bottom});
    AddIfNotEmpty(rest, {middle.right, middle.top, b.right, middle.bottom});
  }
  boxes.swap(rest);
}

auto Key(const FramePiece& p) {
  return std::make_tuple(p.box.left, p.box.top, p.box.right, p.box.bottom, p.accent, p.muted);
}

}  // namespace

bool operator==(const Box& a, const Box& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool operator==(const FramePiece& a, const FramePiece& b) { return Key(a) == Key(b); }

bool IsEmpty(const Box& box) { return box.left >= box.right || box.top >= box.bottom; }

Box Intersection(const Box& a, const Box& b) {
  return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
          std::min(a.bottom, b.bottom)};
}

std::vector<FramePiece> VisibleFrames(const std::vector<StackedWindow>& stack) {
  std::vector<FramePiece> pieces;
  for (auto window = stack.begin(); window != stack.end(); ++window) {
    if (!window->framed) continue;
    const Box bounds = Clamped(window->bounds);
    const Box inner{bounds.left + 1, bounds.top + 1, bounds.right - 1, bounds.bottom - 1};
    for (const bool accent : {false, true}) {
      std::vector<Box> ring = accent ? Ring(inner, kFrameWidth - 2) : Ring(bounds, kFrameWidth);
      for (auto above = stack.begin(); above != window && !ring.empty(); ++above) {
        if (Overlap(bounds, above->bounds)) Subtract(ring, Clamped(above->bounds));
      }
      for (const Box& box : ring) pieces.push_back({box, accent, accent && window->muted});
    }
  }
  return pieces;
}

std::vector<FramePiece> OnDisplay(const std::vector<FramePiece>& pieces, const Box& display) {
  std::vector<FramePiece> local;
  const Box area = Clamped(display);
  for (const FramePiece& piece : pieces) {
    const Box cut = Intersection(piece.box, area);
    if (IsEmpty(cut)) continue;
    local.push_back(
        {{cut.left - area.left, cut.top - area.top, cut.right - area.left, cut.bottom - area.top},
         piece.accent, piece.muted});
  }
  return local;
}

std::vector<Box> Halves(const Box& display) {
  const Box d = Clamped(display);
  const int middle = d.left + (d.right - d.left) / 2;
  return {{d.left, d.top, middle, d.bottom}, {middle, d.top, d.right, d.bottom}};
}

std::vector<Box> ChangedBoxes(std::vector<FramePiece> before, std::vector<FramePiece> after) {
  const auto less = [](const FramePiece& a, const FramePiece& b) { return Key(a) < Key(b); };
  std::sort(before.begin(), before.end(), less);
  std::sort(after.begin(), after.end(), less);
  std::vector<FramePiece> changed;
  std::set_symmetric_difference(before.begin(), before.end(), after.begin(), after.end(),
                                std::back_inserter(changed), less);
  std::vector<Box> boxes;
  for (const FramePiece& piece : changed) boxes.push_back(piece.box);
  return boxes;
}
