// Real user input through SendInput: keys, text and mouse, as a person at the keyboard and
// mouse would produce it.
#pragma once

#include <windows.h>

#include <string_view>

#include "harness/wait.h"

namespace e2e {

enum Modifiers : unsigned {
  kNoModifiers = 0,
  kShift = 1,
  kCtrl = 2,
  kAlt = 4,
};

void KeyDown(WORD vk);
void KeyUp(WORD vk);
// Holds the modifiers, presses and releases vk, releases the modifiers.
void PressKey(WORD vk, unsigned modifiers = kNoModifiers);
// ASCII letters, digits and space as virtual keys (Shift for capitals); everything else as
// Unicode packets (VK_PACKET), which arrive as WM_CHAR after TranslateMessage.
void TypeText(std::wstring_view text);

// Screen coordinates (the virtual desktop: the second monitor has x >= the first's width).
void MoveMouse(POINT screen);
// Clicks move the pointer first and let it settle for 150 ms. Modifiers are held in the same
// SendInput batch as the click: under Wine, X resends its own keyboard state (no modifiers
// held) when the pointer enters a window, for instance after a tooltip has hidden, which drops
// modifiers that were pressed in an earlier batch.
void Click(POINT screen, unsigned modifiers = kNoModifiers);
void DoubleClick(POINT screen);
void RightClick(POINT screen);
// Clicks the centre of the window's screen rectangle.
void ClickWindow(HWND window);
// Clicks a dialog's button until the dialog is closed or hidden; false if it still shows after
// three tries. A click goes only to the button seen under its centre, and the next comes
// 2 s later: under Wine an injected click can be lost.
bool ClickUntilClosed(HWND button, HWND dialog);
// Presses the left button at from, moves to to, releases there: border resizing.
// Moves only once the window under from has captured the mouse (false if that did not happen
// within 5 s; the drag is completed anyway).
bool Drag(POINT from, POINT to);

// Makes window the foreground window and waits until it is; false if it did not become one.
bool BringToForeground(HWND window, Millis timeout = 5s);

}  // namespace e2e
