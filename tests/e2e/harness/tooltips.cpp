// See tooltips.h.
#include "harness/tooltips.h"

#include <commctrl.h>

#include <cwchar>

#include "harness/window_find.h"

namespace e2e {

std::vector<ToolDescription> ReadTools(DWORD pid) {
  std::vector<ToolDescription> tools;
  HANDLE process =
      OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return tools;
  constexpr size_t kTextUnits = 1024;
  const size_t size = sizeof(TTTOOLINFOW) + kTextUnits * sizeof(wchar_t);
  auto* remote = static_cast<char*>(
      VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  for (HWND tip : TopLevelWindows(pid, L"tooltips_class32")) {
    const int count = static_cast<int>(SendMessageW(tip, TTM_GETTOOLCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
      TTTOOLINFOW info{};
      info.cbSize = TTTOOLINFOW_V2_SIZE;
      info.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof(TTTOOLINFOW));
      WriteProcessMemory(process, remote, &info, sizeof(info), nullptr);
      if (!SendMessageW(tip, TTM_ENUMTOOLSW, i, reinterpret_cast<LPARAM>(remote))) continue;
      ReadProcessMemory(process, remote, &info, sizeof(info), nullptr);
      std::wstring text(kTextUnits, L'\0');
      ReadProcessMemory(process, remote + sizeof(TTTOOLINFOW), text.data(),
                        kTextUnits * sizeof(wchar_t), nullptr);
      text.resize(wcsnlen(text.c_str(), kTextUnits));
      tools.push_back({info.hwnd, info.uFlags, info.rect, text,
                       static_cast<int>(SendMessageW(tip, TTM_GETMAXTIPWIDTH, 0, 0)), tip});
    }
  }
  VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return tools;
}

}  // namespace e2e
