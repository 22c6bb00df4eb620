// A short notice under a control (Flockhand's command box), for what an operation could not do:
// it shows without taking the focus, replaces the one before and hides by itself.
//
// A standing notice tells what holds for a while (terminals the keys do not reach): it shows
// while Flockhand's window is active and until it is withdrawn; a short notice shows over it for
// its time, then the standing one comes back.
#pragma once

#include <windows.h>

#include <string>

// Where the notice shows: owned by *owner and under *anchor, read where they are kept (both
// null until the window is made). Once, before the first notice.
void AttachNotice(const HWND* owner, const HWND* anchor);

void ShowNotice(const std::wstring& text);
void HideNotice();

// Replaces the standing notice; an empty text withdraws it.
void SetStandingNotice(const std::wstring& text);
// From WM_ACTIVATE: a notice kept on top must not stay over the program the user turned to.
void NoticeFollowsActivation(bool active);
// From WM_MOVE: a notice that stays must stay under its control.
void FollowAnchor();
