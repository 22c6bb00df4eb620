// A stranger's hhctrl.ocx, planted by the help tests next to flockhand.exe: it announces itself
// to the debugger when it is loaded, which Flockhand must never let happen.
#include <windows.h>

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) OutputDebugStringW(L"planted hhctrl.ocx loaded\n");
  return TRUE;
}

extern "C" __declspec(dllexport) HWND WINAPI HtmlHelpW(HWND, const wchar_t*, UINT, DWORD_PTR) {
  return nullptr;
}
