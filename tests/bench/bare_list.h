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
// and font of Flockhand's terminal list, of listSize at listOffset in its client area.
class BareList {
 public:
  BareList(POINT topLeft, POINT listOffset, SIZE listSize);
  BareList(const BareList&) = delete;
  BareList& operator=(const BareList&) = delete;
  ~BareList();

  HWND Frame() const { return frame_; }
  // LB_RESETCONTENT, then LB_ADDSTRING of each title in order, with redrawing paused.
  void Fill(const std::vector<Terminal>& rows) const;
  int RowCount() const;

 private:
  HWND frame_ = nullptr;
  HWND list_ = nullptr;
  HWND tooltip_ = nullptr;  // owned by list_, destroyed with it
};

}  // namespace bench
