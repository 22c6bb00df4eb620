// The HTML Help library is located at run time and only in the system folder: a copy of
// hhctrl.ocx planted in the current or the program's folder is never loaded. Every call
// through it is skipped when it could not be loaded.
#include "resources/help_file.h"

#include <windows.h>
#include <htmlhelp.h>
#include <shlwapi.h>

#include <string>

#include "base/documents_folder.h"

namespace {

using HtmlHelpFunction = HWND(WINAPI*)(HWND caller, const wchar_t* file, UINT command,
                                       DWORD_PTR data);

// The help file and the library that shows it, both found once.
struct HelpState {
  std::wstring ChmPath;
  HtmlHelpFunction HtmlHelpProc = nullptr;
  DWORD_PTR HtmlHelpCookie = 0;
} Help;

void CallHtmlHelp(HWND caller, const wchar_t* file, UINT command, DWORD_PTR data) {
  if (Help.HtmlHelpProc) Help.HtmlHelpProc(caller, file, command, data);
}

// Writes the embedded help over whatever the file held, cutting it to the help's length. Any
// failure deletes the file again, so no partial help is left or shown.
bool WriteHelpFile() {
  HANDLE file = CreateFileW(Help.ChmPath.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC resource = FindResourceW(module, L"HELP_CHM", L"CHM");
  const DWORD size = resource ? SizeofResource(module, resource) : 0;
  const void* bytes = size ? LockResource(LoadResource(module, resource)) : nullptr;
  DWORD written = 0;
  const bool complete = bytes && WriteFile(file, bytes, size, &written, nullptr) &&
                        written == size && SetEndOfFile(file);
  CloseHandle(file);
  if (!complete) DeleteFileW(Help.ChmPath.c_str());
  return complete;
}

}  // namespace

void FormChmPath() { Help.ChmPath = DocumentsFilePath(L"fkh.chm"); }

void StartHtmlHelp() {
  HMODULE library = LoadLibraryExW(L"hhctrl.ocx", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
  if (!library) return;
  Help.HtmlHelpProc = reinterpret_cast<HtmlHelpFunction>(
      reinterpret_cast<void*>(GetProcAddress(library, "HtmlHelpW")));
  CallHtmlHelp(nullptr, nullptr, HH_INITIALIZE, reinterpret_cast<DWORD_PTR>(&Help.HtmlHelpCookie));
}

void OpenHelp(HWND caller) {
  // A help window still showing the file from an earlier click holds it open.
  CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
  if (Help.ChmPath.empty() || !WriteHelpFile()) return;
  CallHtmlHelp(caller, Help.ChmPath.c_str(), HH_DISPLAY_TOPIC, 0);
}

// The library stays loaded until the process ends: its windows may still be going away.
void EndHtmlHelp() {
  CallHtmlHelp(nullptr, nullptr, HH_CLOSE_ALL, 0);
  if (!Help.ChmPath.empty() && PathFileExistsW(Help.ChmPath.c_str()))
    DeleteFileW(Help.ChmPath.c_str());
  CallHtmlHelp(nullptr, nullptr, HH_UNINITIALIZE, Help.HtmlHelpCookie);
}
