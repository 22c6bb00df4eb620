// SetClipboardData needs an owner window: a message-only window of the test thread.
#include "harness/clipboard.h"

#include <cstring>
#include <string>

#include "harness/wait.h"

namespace e2e {

namespace {

bool OpenAndEmpty() {
  static const HWND owner = CreateWindowExW(0, L"STATIC", nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE,
                                            nullptr, nullptr, nullptr);
  // A terminal reading the clipboard holds it for a moment.
  if (!WaitUntil([] { return OpenClipboard(owner) != FALSE; }, 5s)) return false;
  EmptyClipboard();
  return true;
}

}  // namespace

bool SetClipboardBytes(UINT format, std::string_view bytes) {
  if (!OpenAndEmpty()) return false;
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  bool set = false;
  if (void* data = block ? GlobalLock(block) : nullptr) {
    std::memcpy(data, bytes.data(), bytes.size());
    GlobalUnlock(block);
    set = SetClipboardData(format, block) != nullptr;
  }
  if (!set && block) GlobalFree(block);
  CloseClipboard();
  return set;
}

bool SetClipboardText(std::wstring_view text) {
  const std::wstring terminated(text);
  return SetClipboardBytes(CF_UNICODETEXT, {reinterpret_cast<const char*>(terminated.c_str()),
                                            (terminated.size() + 1) * sizeof(wchar_t)});
}

bool EmptyTheClipboard() {
  const bool opened = OpenAndEmpty();
  if (opened) CloseClipboard();
  return opened;
}

}  // namespace e2e
