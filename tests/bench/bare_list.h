// The bare equivalents Flockhand is timed against: discovery of the terminal windows by the
// same system calls, and a list box of this process made like Flockhand's terminal list.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace bench {

struct Terminal {
  std::wstring title;
  HWND window;

  bool operator==(const Terminal& other) const {
    return title == other.title && window == other.window;
  }
};

// Flockhand's order: titles by unsigned UTF-16 code units (wchar_t is unsigned here), equal
// titles by handle value.
bool TitleOrder(const Terminal& a, const Terminal& b);

// Every top-level window of class VTWin32 with a title, read with GetWindowTextW and
// GetClassNameW into 1024 units each, sorted by TitleOrder.
std::vector<Terminal> DiscoverTerminals();

// A visible 420x370 window at topLeft holding one list box with the styles, extended style
// and font of Flockhand's terminal list, of listSize at listOffset in its client area, and the
// controls that Flockhand updates after every change of the selection: the seven
// window-operation controls in a group box, and the counter.
class BareList {
 public:
  BareList(POINT topLeft, POINT listOffset, SIZE listSize);
  BareList(const BareList&) = delete;
  BareList& operator=(const BareList&) = delete;
  ~BareList();

  HWND Frame() const { return frame_; }
  // LB_RESETCONTENT, then LB_ADDSTRING of each title in order, then Mark(marked), with
  // redrawing paused.
  void Fill(const std::vector<Terminal>& rows, size_t marked = 0) const;
  // Unmarks every row, then marks the first `count` rows with one message, as Flockhand marks
  // one run of selected rows; with redrawing paused.
  void Mark(size_t count) const;
  int RowCount() const;
  // Flockhand's calls after a change of the selection to `count` terminals: the seven controls
  // enabled or disabled, the area read, the grid counts rewritten (below 55 terminals) and the
  // counter rewritten.
  void ShowSelection(size_t count) const;

 private:
  void MarkFirst(size_t count) const;

  HWND frame_ = nullptr;
  HWND list_ = nullptr;
  std::vector<HWND> operations_;  // the seven window-operation controls, in Flockhand's order
  HWND counter_ = nullptr;
};

}  // namespace bench
