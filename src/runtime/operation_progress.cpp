// See operation_progress.h. The taskbar list is asked for once, at the first long operation;
// a system without it (or without a taskbar) shows the progress in the title alone.
#include "runtime/operation_progress.h"

#include <shobjidl.h>

#include <string>

#include "runtime/flockhand_window.h"

namespace {

constexpr DWORD kProgressAfterMs = 500;
// A title change costs the window manager a round trip: a few a second are enough to read.
constexpr DWORD kProgressEveryMs = 100;

bool Noted = false;
DWORD StartedMs = 0;
DWORD ShownMs = 0;
std::size_t Done = 0;
std::size_t Total = 0;
bool Shown = false;
bool Changed = false;  // noted since last shown
std::wstring SavedTitle;
ITaskbarList3* Taskbar = nullptr;
bool TaskbarAsked = false;

ITaskbarList3* TaskbarButton() {
  if (TaskbarAsked) return Taskbar;
  TaskbarAsked = true;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  void* list = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ITaskbarList3, &list))) {
    Taskbar = static_cast<ITaskbarList3*>(list);
    if (FAILED(Taskbar->HrInit())) {
      Taskbar->Release();
      Taskbar = nullptr;
    }
  }
  return Taskbar;
}

void ShowProgress() {
  HWND main = FlockhandWindow();
  if (!Shown) {
    Shown = true;
    SavedTitle.assign(static_cast<std::size_t>(GetWindowTextLengthW(main)) + 1, L'\0');
    SavedTitle.resize(static_cast<std::size_t>(
        GetWindowTextW(main, SavedTitle.data(), static_cast<int>(SavedTitle.size()))));
  }
  const std::wstring title = SavedTitle + L" - " + std::to_wstring(Done) + L" / " +
                             std::to_wstring(Total) + L" (Esc: 中止)";
  SetWindowTextW(main, title.c_str());
  if (ITaskbarList3* taskbar = TaskbarButton()) taskbar->SetProgressValue(main, Done, Total);
  ShownMs = GetTickCount();
  Changed = false;
}

}  // namespace

void NoteProgress(std::size_t done, std::size_t total) {
  if (!Noted) StartedMs = GetTickCount();
  Noted = true;
  Changed = Changed || done != Done || total != Total || !Shown;
  Done = done;
  Total = total;
  ShowProgressWhenDue();
}

DWORD MillisecondsUntilProgress() {
  if (!Noted || !Changed) return INFINITE;
  const DWORD now = GetTickCount();
  const DWORD running = now - StartedMs;
  if (running < kProgressAfterMs) return kProgressAfterMs - running;
  const DWORD since = now - ShownMs;
  return !Shown || since >= kProgressEveryMs ? 0 : kProgressEveryMs - since;
}

void ShowProgressWhenDue() {
  if (Noted && MillisecondsUntilProgress() == 0) ShowProgress();
}

void EndProgress() {
  Noted = Changed = false;
  if (!Shown) return;
  Shown = false;
  SetWindowTextW(FlockhandWindow(), SavedTitle.c_str());
  if (Taskbar) Taskbar->SetProgressState(FlockhandWindow(), TBPF_NOPROGRESS);
}
