// SendInput wrappers. Mouse positions are absolute over the virtual desktop (0..65535 on each
// axis), so points on the second monitor are reached as well.
#include "harness/input.h"

#include <vector>

#include "harness/window_find.h"

namespace e2e {

namespace {

INPUT Key(WORD vk, WCHAR scan, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = vk;
  input.ki.wScan = scan;
  input.ki.dwFlags = flags;
  return input;
}

INPUT VirtualKey(WORD vk, bool up) {
  const WORD scan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
  return Key(vk, scan, up ? KEYEVENTF_KEYUP : 0);
}

void Send(std::vector<INPUT> inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

std::vector<WORD> ModifierKeys(unsigned modifiers) {
  std::vector<WORD> keys;
  if (modifiers & kCtrl) keys.push_back(VK_CONTROL);
  if (modifiers & kShift) keys.push_back(VK_SHIFT);
  if (modifiers & kAlt) keys.push_back(VK_MENU);
  return keys;
}

INPUT Mouse(DWORD flags, POINT screen) {
  // Normalise to 0..65535 over the virtual desktop; rounding to the pixel centre keeps the
  // point exact after Windows scales it back.
  const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
  const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
  const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
  const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = MulDiv(screen.x - left, 65536, width) + 65536 / width / 2;
  input.mi.dy = MulDiv(screen.y - top, 65536, height) + 65536 / height / 2;
  input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;
  return input;
}

void Buttons(POINT screen, DWORD down, DWORD up, int clicks, unsigned modifiers = kNoModifiers) {
  // Wine resyncs its input state from X when the pointer enters a window (a window it moved
  // to, or one that appeared under it), which can drop modifiers and presses sent just before:
  // move first and let the entering settle.
  Send({Mouse(MOUSEEVENTF_MOVE, screen)});
  WaitUntil([] { return false; }, 150ms);
  const std::vector<WORD> held = ModifierKeys(modifiers);
  std::vector<INPUT> inputs;
  for (WORD key : held) inputs.push_back(VirtualKey(key, false));
  inputs.push_back(Mouse(MOUSEEVENTF_MOVE, screen));
  for (int i = 0; i < clicks; ++i) {
    inputs.push_back(Mouse(down, screen));
    inputs.push_back(Mouse(up, screen));
  }
  for (auto key = held.rbegin(); key != held.rend(); ++key)
    inputs.push_back(VirtualKey(*key, true));
  Send(inputs);
}

}  // namespace

void KeyDown(WORD vk) { Send({VirtualKey(vk, false)}); }

void KeyUp(WORD vk) { Send({VirtualKey(vk, true)}); }

void PressKey(WORD vk, unsigned modifiers) {
  const std::vector<WORD> held = ModifierKeys(modifiers);
  std::vector<INPUT> inputs;
  for (WORD key : held) inputs.push_back(VirtualKey(key, false));
  inputs.push_back(VirtualKey(vk, false));
  inputs.push_back(VirtualKey(vk, true));
  for (auto key = held.rbegin(); key != held.rend(); ++key) {
    inputs.push_back(VirtualKey(*key, true));
  }
  Send(inputs);
}

void TypeText(std::wstring_view text) {
  for (const wchar_t c : text) {
    if ((c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L' ') {
      PressKey(static_cast<WORD>(c >= L'a' ? c - L'a' + L'A' : c));
    } else if (c >= L'A' && c <= L'Z') {
      PressKey(static_cast<WORD>(c), kShift);
    } else {
      Send({Key(0, c, KEYEVENTF_UNICODE), Key(0, c, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP)});
    }
  }
}

void MoveMouse(POINT screen) { Send({Mouse(MOUSEEVENTF_MOVE, screen)}); }

void Click(POINT screen, unsigned modifiers) {
  Buttons(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 1, modifiers);
}

void DoubleClick(POINT screen) { Buttons(screen, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, 2); }

void RightClick(POINT screen) { Buttons(screen, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, 1); }

void ClickWindow(HWND window) { Click(Center(WindowRect(window))); }

bool ClickUntilClosed(HWND button, HWND dialog) {
  const auto closed = [&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); };
  for (int attempt = 0; attempt < 3 && !closed(); ++attempt) {
    const POINT centre = Center(WindowRect(button));
    // Never a click on whatever lies there once the dialog has gone or while it is covered.
    if (WaitUntil([&] { return WindowFromPoint(centre) == button && !closed(); }, 2s)) {
      Click(centre);
    }
    WaitUntil(closed, 2s);
  }
  return closed();
}

namespace {

// The window of the thread under point that has captured the mouse (a sizing or moving loop,
// a pressed button or scroll bar), once the press there has been taken in; else nullptr.
HWND CaptureUnder(POINT point) {
  HWND under = WindowFromPoint(point);
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!under || !GetGUIThreadInfo(GetWindowThreadProcessId(under, nullptr), &info)) return nullptr;
  return info.hwndCapture ? info.hwndCapture : ((info.flags & GUI_INMOVESIZE) ? under : nullptr);
}

}  // namespace

bool Drag(POINT from, POINT to) {
  Send({Mouse(MOUSEEVENTF_MOVE, from), Mouse(MOUSEEVENTF_LEFTDOWN, from)});
  // Moving on before the press has started the target's drag would let the move overtake it.
  HWND captured = nullptr;
  WaitUntil([&] { return (captured = CaptureUnder(from)) != nullptr; }, 5s);
  // One move, no steps in between: under Wine every injected move also warps the X pointer, and
  // the target's X11 driver turns the X motion events of those warps into mouse moves of its
  // own, late. A late move to an intermediate point would undo part of the drag.
  Send({Mouse(MOUSEEVENTF_MOVE, to)});
  if (captured) {
    // Let the target take in those late moves (a sent message is handled only once it waits
    // for input again, after it has read its X events), then end with a move to the end point.
    DWORD_PTR ignored = 0;
    for (int i = 0; i < 2; ++i) {
      SendMessageTimeoutW(captured, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &ignored);
    }
    Send({Mouse(MOUSEEVENTF_MOVE, to)});
  }
  Send({Mouse(MOUSEEVENTF_LEFTUP, to)});
  return captured != nullptr;
}

bool BringToForeground(HWND window, Millis timeout) {
  return WaitUntil(
      [&] {
        if (GetForegroundWindow() == window) return true;
        SetForegroundWindow(window);
        return GetForegroundWindow() == window;
      },
      timeout, 50ms);
}

}  // namespace e2e
