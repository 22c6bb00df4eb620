// Frames around the terminals that will receive the keys. They show while Flockhand's main
// window is active, the user's switch is on and something is selected: then whatever the user
// types goes to exactly the framed terminals. A modal dialog of Flockhand's takes the
// activation, so they are hidden while one is open. They stay during and after the fade of
// Alt+T: they are cut around Flockhand's window, never drawn over it, and lie on the terminals'
// own edges, so they never come between the user and the text seen through the faded window.
#pragma once

// The user's switch (the system menu's item) is one of the panel's modes, read where the panel
// keeps it.
void AttachFramesSwitch(const bool* switchedOn);
// From WM_ACTIVATE: shown or hidden with the main window's activation, at once and without
// showing or hiding a window. The picture shown as it comes back is the one it left, brought up
// to date shortly after, so an operation that brings terminals forward and Flockhand back waits
// for no look at the windows.
void FollowActivation(bool active);
// After every change of the switch.
void RefreshFrames();
// After every change of the selection: frames change only with the terminals selected.
void FollowSelection();
// After every change of the selected terminals' reach: those the keys do not reach as they are
// typed get a grey frame.
void FollowReach();
