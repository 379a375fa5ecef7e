// The platform of a real Windows process. The program entry makes one and binds
// it; it holds no OS state of its own beyond the services' small caches.
#pragma once
#include "platform/platform.h"
#include "platform/win32/win32_forms.h"
#include "platform/win32/win32_services.h"
#include "platform/win32/win32_window_system.h"

namespace platform::win32 {

class Win32Platform final : public Platform {
 public:
  WindowSystem& windows() override { return windows_; }
  Clock& clock() override { return clock_; }
  SharedMemory& sharedMemory() override { return sharedMemory_; }
  FileSystem& files() override { return files_; }
  Shell& shell() override { return shell_; }
  Screen& screen() override { return screen_; }
  Diagnostics& diagnostics() override { return diagnostics_; }
  Forms& forms() override { return forms_; }

 private:
  Win32WindowSystem windows_;
  Win32Clock clock_;
  Win32SharedMemory sharedMemory_;
  Win32FileSystem files_;
  Win32Shell shell_;
  Win32Screen screen_;
  Win32Diagnostics diagnostics_;
  Win32Forms forms_;
};

}  // namespace platform::win32
