// Wine's own defaults for one program, where the test session changes them for all.
#pragma once

#include <string>

namespace e2e {

// While it lives, Wine hands the top-level windows of `program` (a process started meanwhile,
// by its file name) to the window manager, as it does unless told otherwise ("Managed"). The
// session turns that off, having no window manager: a managed window that is shown or hidden
// then waits up to 2 s for one. Wine decides per window which ones it manages.
class ScopedManagedWindows {
 public:
  explicit ScopedManagedWindows(const std::wstring& program);
  ScopedManagedWindows(const ScopedManagedWindows&) = delete;
  ScopedManagedWindows& operator=(const ScopedManagedWindows&) = delete;
  ~ScopedManagedWindows();

 private:
  std::wstring programKey_;
};

}  // namespace e2e
