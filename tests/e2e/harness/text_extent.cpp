// See text_extent.h: the hook is set on the window's thread for one measurement, the message
// sent to the window runs it there, and the answer is in the shared block when SendMessage
// returns.
#include "harness/text_extent.h"

#include <cwchar>

#include "harness/process.h"

namespace e2e {

SIZE TextExtent(HWND window, const std::wstring& text) {
  static HMODULE hookModule = LoadLibraryW(NextToTests(L"text_measure.dll").c_str());
  static const auto hookProc =
      reinterpret_cast<HOOKPROC>(reinterpret_cast<void*>(GetProcAddress(hookModule, "MeasureTextHook")));
  static HANDLE mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0,
                                             sizeof(TextExtentBlock), kTextExtentBlock);
  static auto* block = static_cast<TextExtentBlock*>(
      MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(TextExtentBlock)));
  SIZE size{-1, -1};
  if (!hookProc || !block) return size;
  block->size = size;
  wcsncpy(block->text, text.c_str(), std::size(block->text) - 1);
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, hookProc, hookModule,
                                 GetWindowThreadProcessId(window, nullptr));
  DWORD_PTR ignored = 0;
  if (hook && SendMessageTimeoutW(window, RegisterWindowMessageW(kMeasureTextMessage), 0, 0,
                                  SMTO_NORMAL, 5000, &ignored)) {
    size = block->size;
  }
  if (hook) UnhookWindowsHookEx(hook);
  return size;
}

}  // namespace e2e
