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

// The progress of the operation under way, and how it is shown.
struct ProgressState {
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
} Progress;

ITaskbarList3* TaskbarButton() {
  if (Progress.TaskbarAsked) return Progress.Taskbar;
  Progress.TaskbarAsked = true;
  CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
  void* list = nullptr;
  if (SUCCEEDED(CoCreateInstance(CLSID_TaskbarList, nullptr, CLSCTX_INPROC_SERVER,
                                 IID_ITaskbarList3, &list))) {
    Progress.Taskbar = static_cast<ITaskbarList3*>(list);
    if (FAILED(Progress.Taskbar->HrInit())) {
      Progress.Taskbar->Release();
      Progress.Taskbar = nullptr;
    }
  }
  return Progress.Taskbar;
}

void ShowProgress() {
  HWND main = FlockhandWindow();
  if (!Progress.Shown) {
    Progress.Shown = true;
    Progress.SavedTitle.assign(static_cast<std::size_t>(GetWindowTextLengthW(main)) + 1, L'\0');
    Progress.SavedTitle.resize(static_cast<std::size_t>(GetWindowTextW(
        main, Progress.SavedTitle.data(), static_cast<int>(Progress.SavedTitle.size()))));
  }
  const std::wstring title = Progress.SavedTitle + L" - " + std::to_wstring(Progress.Done) +
                             L" / " + std::to_wstring(Progress.Total) + L" (Esc: 中止)";
  SetWindowTextW(main, title.c_str());
  if (ITaskbarList3* taskbar = TaskbarButton())
    taskbar->SetProgressValue(main, Progress.Done, Progress.Total);
  Progress.ShownMs = GetTickCount();
  Progress.Changed = false;
}

}  // namespace

void NoteProgress(std::size_t done, std::size_t total) {
  if (!Progress.Noted) Progress.StartedMs = GetTickCount();
  Progress.Noted = true;
  Progress.Changed =
      Progress.Changed || done != Progress.Done || total != Progress.Total || !Progress.Shown;
  Progress.Done = done;
  Progress.Total = total;
  ShowProgressWhenDue();
}

DWORD MillisecondsUntilProgress() {
  if (!Progress.Noted || !Progress.Changed) return INFINITE;
  const DWORD now = GetTickCount();
  const DWORD running = now - Progress.StartedMs;
  if (running < kProgressAfterMs) return kProgressAfterMs - running;
  const DWORD since = now - Progress.ShownMs;
  return !Progress.Shown || since >= kProgressEveryMs ? 0 : kProgressEveryMs - since;
}

void ShowProgressWhenDue() {
  if (Progress.Noted && MillisecondsUntilProgress() == 0) ShowProgress();
}

void EndProgress() {
  Progress.Noted = Progress.Changed = false;
  if (!Progress.Shown) return;
  Progress.Shown = false;
  SetWindowTextW(FlockhandWindow(), Progress.SavedTitle.c_str());
  if (Progress.Taskbar) Progress.Taskbar->SetProgressState(FlockhandWindow(), TBPF_NOPROGRESS);
}
