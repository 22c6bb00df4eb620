// The frame surfaces; see frame_surface.h. A surface keeps the pieces it shows, so that a new
// picture repaints only the pieces that came or went: a terminal that moves costs two frames'
// worth of painting, not a surface's, and painting the frames out or in costs theirs alone.
#include "frames/frame_surface.h"

#include "frames/frame_watch.h"

namespace {

// Pixels of this colour are not shown and let clicks through; the frames never use it.
constexpr COLORREF kSeeThrough = RGB(255, 0, 255);
// Amber with a near-black edge: apart from the blue and grey of window borders and the dotted
// focus rectangle, and visible on white, black and coloured backgrounds.
constexpr COLORREF kAccent = RGB(255, 160, 0);
constexpr COLORREF kEdge = RGB(24, 24, 24);
// The inner ring of a terminal that does not take the keys now: no colour, as if switched off.
constexpr COLORREF kMuted = RGB(150, 150, 150);
// Past this many changed pieces one repaint of the whole surface is cheaper than many small ones.
constexpr size_t kMaxPartialRepaints = 64;
constexpr wchar_t kClassName[] = L"FlockhandFrames";

struct Surface {
  HWND window;
  Box area;                        // half a display, in screen coordinates
  std::vector<FramePiece> pieces;  // the surface's own coordinates
};

// The surfaces the pieces are drawn on, and whether they must be made again.
struct SurfacesState {
  std::vector<Surface> Surfaces;
  bool DisplaysChanged = true;
  bool PaintedOut = false;  // the surfaces show nothing of their pieces
} Shown;

Surface* SurfaceOf(HWND window) {
  for (Surface& s : Shown.Surfaces) {
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
  HBRUSH muted = CreateSolidBrush(kMuted);
  FillRect(dc, &paint.rcPaint, seeThrough);
  const Surface* surface = SurfaceOf(window);
  if (surface && !Shown.PaintedOut) {
    for (const FramePiece& piece : surface->pieces) {
      const Box& b = piece.box;
      const RECT r{b.left, b.top, b.right, b.bottom};
      RECT visible;
      if (IntersectRect(&visible, &r, &paint.rcPaint)) {
        FillRect(dc, &r, piece.muted ? muted : piece.accent ? accent : edge);
      }
    }
  }
  DeleteObject(muted);
  DeleteObject(edge);
  DeleteObject(accent);
  DeleteObject(seeThrough);
  EndPaint(window, &paint);
}

// A display was added, removed or resized: the surfaces are made again for the new displays.
LRESULT OnDisplayChange() {
  Shown.DisplaysChanged = true;
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

// Registered once, by whichever thread asks first.
ATOM SurfaceClass() {
  static const ATOM surfaceClass = RegisterSurfaceClass();
  return surfaceClass;
}

// Disabled as well as WS_EX_NOACTIVATE: Wine, choosing the next window to activate when one
// closes, passes over disabled windows only.
HWND CreateSurface(const Box& h) {
  HWND window = CreateWindowExW(
      WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE,
      MAKEINTATOM(SurfaceClass()), L"", WS_POPUP | WS_DISABLED, h.left, h.top, h.right - h.left,
      h.bottom - h.top, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetLayeredWindowAttributes(window, kSeeThrough, 255, LWA_COLORKEY);
  return window;
}

void RemakeSurfaces() {
  for (const Surface& s : Shown.Surfaces) DestroyWindow(s.window);
  Shown.Surfaces.clear();
  std::vector<Box> displays;
  EnumDisplayMonitors(nullptr, nullptr, CollectDisplay, reinterpret_cast<LPARAM>(&displays));
  for (const Box& d : displays) {
    for (const Box& h : Halves(d)) Shown.Surfaces.push_back({CreateSurface(h), h, {}});
  }
  Shown.DisplaysChanged = false;
}

void Invalidate(const Surface& surface, const std::vector<Box>& boxes) {
  if (boxes.size() > kMaxPartialRepaints) {
    InvalidateRect(surface.window, nullptr, FALSE);
    return;
  }
  for (const Box& b : boxes) {
    const RECT r{b.left, b.top, b.right, b.bottom};
    InvalidateRect(surface.window, &r, FALSE);
  }
}

void Repaint(Surface& surface, std::vector<FramePiece> pieces) {
  const std::vector<Box> changed = ChangedBoxes(surface.pieces, pieces);
  surface.pieces = std::move(pieces);
  Invalidate(surface, changed);
}

bool IsKeptOnTop(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST; }

// A surface is put at the top of its band as it is shown, when it changes band and when a framed
// window got above it. It goes to the top of all windows first: Wine raises a window on the
// screen only when it becomes the top window of all, so a window kept on top (a tooltip of
// Flockhand's under the pointer) would leave it below the terminal it frames. HWND_NOTOPMOST then
// takes it to the top of the ordinary windows, where the screen keeps it above them.
void Show(HWND window, bool keptOnTop, bool covered) {
  constexpr UINT kFlags = SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
  if (!IsWindowVisible(window) || covered || IsKeptOnTop(window) != keptOnTop) {
    SetWindowPos(window, HWND_TOPMOST, 0, 0, 0, 0, kFlags);
    if (!keptOnTop) SetWindowPos(window, HWND_NOTOPMOST, 0, 0, 0, 0, kFlags);
  }
  UpdateWindow(window);
}

void Hide(Surface& surface) {
  if (!IsWindowVisible(surface.window)) return;
  ShowWindow(surface.window, SW_HIDE);
  // Painted afresh when shown again: nothing of the old picture may show for a moment.
  surface.pieces.clear();
  InvalidateRect(surface.window, nullptr, FALSE);
}

// The pieces are painted over, or again where they were, and then the surfaces raised again: a
// window activated meanwhile may lie above them on the screen (see frame_surface.h).
void PaintPieces(bool out) {
  if (Shown.PaintedOut == out) return;
  Shown.PaintedOut = out;
  for (const Surface& surface : Shown.Surfaces) {
    if (surface.pieces.empty()) continue;
    std::vector<Box> boxes;
    for (const FramePiece& piece : surface.pieces) boxes.push_back(piece.box);
    Invalidate(surface, boxes);
    if (out) {
      UpdateWindow(surface.window);
    } else {
      Show(surface.window, IsKeptOnTop(surface.window), true);
    }
  }
}

}  // namespace

// A half without frames has its surface hidden rather than shown all see-through, so that the
// system has no window to compose for nothing. A picture painted out is gone from the screen,
// so the new one is painted whole.
void ShowFramePieces(const std::vector<FramePiece>& pieces, bool keptOnTop, bool covered) {
  if (Shown.DisplaysChanged) RemakeSurfaces();
  const bool paintedOut = Shown.PaintedOut;
  Shown.PaintedOut = false;
  for (Surface& surface : Shown.Surfaces) {
    if (paintedOut) surface.pieces.clear();
    std::vector<FramePiece> local = OnDisplay(pieces, surface.area);
    if (local.empty()) {
      Hide(surface);
      continue;
    }
    Repaint(surface, std::move(local));
    Show(surface.window, keptOnTop, covered);
  }
}

void PaintFramesOut() { PaintPieces(true); }

void PaintFramesIn() { PaintPieces(false); }

void HideFrameSurfaces() {
  for (Surface& surface : Shown.Surfaces) Hide(surface);
  Shown.PaintedOut = false;
}

bool IsFrameSurface(HWND window) { return GetClassLongPtrW(window, GCW_ATOM) == SurfaceClass(); }
