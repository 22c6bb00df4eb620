// See operation_progress.h. The taskbar list is asked for once, at the first long operation;
// a system without it (or without a taskbar) shows the progress in the title alone.
#include "runtime/operation_progress.h"

#include <windows.h>
#include <shobjidl.h>

#include <string>

#include "runtime/flockhand_window.h"

namespace {

bool Shown = false;
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

}  // namespace

void ShowProgress(std::size_t done, std::size_t total) {
  HWND main = FlockhandWindow();
  if (!Shown) {
    Shown = true;
    SavedTitle.assign(static_cast<std::size_t>(GetWindowTextLengthW(main)) + 1, L'\0');
    SavedTitle.resize(static_cast<std::size_t>(
        GetWindowTextW(main, SavedTitle.data(), static_cast<int>(SavedTitle.size()))));
  }
  const std::wstring title = SavedTitle + L" - " + std::to_wstring(done) + L" / " +
                             std::to_wstring(total) + L" (Esc: 中止)";
  SetWindowTextW(main, title.c_str());
  if (ITaskbarList3* taskbar = TaskbarButton()) taskbar->SetProgressValue(main, done, total);
}

void EndProgress() {
  if (!Shown) return;
  Shown = false;
  SetWindowTextW(FlockhandWindow(), SavedTitle.c_str());
  if (Taskbar) Taskbar->SetProgressState(FlockhandWindow(), TBPF_NOPROGRESS);
}
