// See looking_thread.h.
#include "base/looking_thread.h"

HWND StartLookingThread(const wchar_t* className, WNDPROC resultsProc,
                        LPTHREAD_START_ROUTINE look) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof(windowClass);
  windowClass.lpfnWndProc = resultsProc;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = className;
  RegisterClassExW(&windowClass);
  HWND results = CreateWindowExW(0, className, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  HANDLE thread = CreateThread(nullptr, 0, look, nullptr, 0, nullptr);
  SetThreadPriority(thread, THREAD_PRIORITY_BELOW_NORMAL);
  CloseHandle(thread);
  return results;
}
