// The frame surfaces; see frame_surface.h. A surface keeps the pieces it shows, so that a new
// picture repaints only the pieces that came or went: a terminal that moves costs two frames'
// worth of painting, not a display's.
#include "frames/frame_surface.h"

#include "frames/frame_watch.h"

namespace {

// Pixels of this colour are not shown and let clicks through; the frames never use it.
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);
// Amber with a near-black edge: apart from the blue and grey of window borders and the dotted
// focus rectangle, and visible on white, black and coloured backgrounds.
constexpr COLORREF kAccent = RGB(255, 160, 0);
constexpr COLORREF kEdge = RGB(24, 24, 24);
// Past this many changed pieces one repaint of the whole surface is cheaper than many small ones.
constexpr size_t kMaxPartialRepaints = 64;
constexpr wchar_t kClassName[] = L"FlockhandFrames";

struct Surface {
  HWND window;
  Box display;
  std::vector<FramePiece> pieces;  // display coordinates
};

std::vector<Surface> Surfaces;
bool DisplaysChanged = true;

Surface* SurfaceOf(HWND window) {
  for (Surface& s : Surfaces) {
    if (s.window == window) return &s;
  }
  return nullptr;
}

void OnPaint(HWND window) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  HBRUSH seeThrough = CreateSolidBrush(kSeeThrough);
  HBRUSH accent = CreateSolidBrush(kAccent);
  HBRUSH edge = CreateSolidBrush(kEdge);
  FillRect(dc, &paint.rcPaint, seeThrough);
  if (const Surface* surface = SurfaceOf(window)) {
    for (const FramePiece& piece : surface->pieces) {
      const Box& b = piece.box;
      const RECT r{b.left, b.top, b.right, b.bottom};
      RECT visible;
      if (IntersectRect(&visible, &r, &paint.rcPaint)) {
        FillRect(dc, &r, piece.accent ? accent : edge);
      }
    }
  }
  DeleteObject(edge);
  DeleteObject(accent);
  DeleteObject(seeThrough);
  EndPaint(window, &paint);
}

// A display was added, removed or resized: the surfaces are made again for the new displays.
LRESULT OnDisplayChange() {
  DisplaysChanged = true;
  ScheduleFrameUpdate();
  return 0;
}

LRESULT CALLBACK SurfaceProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT: OnPaint(window); return 0;
    case WM_ERASEBKGND: return 1;  // the paint fills the background itself
    case WM_NCHITTEST: return HTTRANSPARENT;
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    case WM_DISPLAYCHANGE: return OnDisplayChange();
    default: return DefWindowProcW(window, message, wParam, lParam);
  }
}

BOOL CALLBACK CollectDisplay(HMONITOR, HDC, LPRECT rect, LPARAM boxes) {
  reinterpret_cast<std::vector<Box>*>(boxes)->push_back(
      {rect->left, rect->top, rect->right, rect->bottom});
  return TRUE;
}

ATOM RegisterSurfaceClass() {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = SurfaceProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = kClassName;
  return RegisterClassExW(&windowClass);
}

HWND CreateSurface(const Box& d) {
  static const ATOM surfaceClass = RegisterSurfaceClass();
  HWND window =
      CreateWindowExW(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
                      MAKEINTATOM(surfaceClass), L"", WS_POPUP, d.left, d.top, d.right - d.left,
                      d.bottom - d.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetLayeredWindowAttributes(window, kSeeThrough, 255, LWA_COLORKEY);
  return window;
}

void RemakeSurfaces() {
  for (const Surface& s : Surfaces) DestroyWindow(s.window);
  Surfaces.clear();
  std::vector<Box> displays;
  EnumDisplayMonitors(nullptr, nullptr, CollectDisplay, reinterpret_cast<LPARAM>(&displays));
  for (const Box& d : displays) Surfaces.push_back({CreateSurface(d), d, {}});
  DisplaysChanged = false;
}

void Repaint(Surface& surface, std::vector<FramePiece> pieces) {
  const std::vector<Box> changed = ChangedBoxes(surface.pieces, pieces);
  surface.pieces = std::move(pieces);
  if (changed.size() > kMaxPartialRepaints) {
    InvalidateRect(surface.window, nullptr, FALSE);
    return;
  }
  for (const Box& b : changed) {
    const RECT r{b.left, b.top, b.right, b.bottom};
    InvalidateRect(surface.window, &r, FALSE);
  }
}

// A surface that was hidden is put on top of every window as it is shown.
void Show(HWND window) {
  if (!IsWindowVisible(window)) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  }
  UpdateWindow(window);
}

void Hide(Surface& surface) {
  ShowWindow(surface.window, SW_HIDE);
  // Painted afresh when shown again: nothing of the old picture may show for a moment.
  surface.pieces.clear();
  InvalidateRect(surface.window, nullptr, FALSE);
}

}  // namespace

// A display without frames has its surface hidden rather than shown all see-through, so that
// the system has no display-sized window to compose for nothing.
void ShowFramePieces(const std::vector<FramePiece>& pieces) {
  if (DisplaysChanged) RemakeSurfaces();
  for (Surface& surface : Surfaces) {
    std::vector<FramePiece> local = OnDisplay(pieces, surface.display);
    if (local.empty()) {
      Hide(surface);
      continue;
    }
    Repaint(surface, std::move(local));
    Show(surface.window);
  }
}

void HideFrameSurfaces() {
  for (Surface& surface : Surfaces) Hide(surface);
}

bool IsFrameSurface(HWND window) { return SurfaceOf(window) != nullptr; }
