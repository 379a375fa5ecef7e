// Registry, shell folders and what the process knows about itself.
#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "platform/win32/win32_logic.h"
#include "platform/win32/win32_services.h"

namespace platform::win32 {
namespace {

HKEY RootKey(RegistryRoot root) {
  switch (root) {
    case RegistryRoot::ClassesRoot: return HKEY_CLASSES_ROOT;
    case RegistryRoot::CurrentUser: return HKEY_CURRENT_USER;
    case RegistryRoot::LocalMachine: return HKEY_LOCAL_MACHINE;
  }
  return HKEY_CURRENT_USER;
}

}  // namespace

bool Win32Shell::WriteRegistryDefault(RegistryRoot root, std::string_view key, std::string_view value) {
  HKEY k = nullptr;
  if (RegCreateKeyExA(RootKey(root), std::string(key).c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE,
                      nullptr, &k, nullptr) != ERROR_SUCCESS)
    return false;
  std::string v(value);
  LONG r = RegSetValueExA(k, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.c_str()),
                          static_cast<DWORD>(v.size() + 1));
  RegCloseKey(k);
  return r == ERROR_SUCCESS;
}

std::optional<std::string> Win32Shell::ReadRegistryString(RegistryRoot root, std::string_view key,
                                                          std::string_view name) {
  HKEY k = nullptr;
  if (RegOpenKeyExA(RootKey(root), std::string(key).c_str(), 0, KEY_READ, &k) != ERROR_SUCCESS)
    return std::nullopt;
  std::string n(name);
  const char* valueName = n.empty() ? nullptr : n.c_str();
  DWORD type = 0, size = 0;
  std::optional<std::string> out;
  if (RegQueryValueExA(k, valueName, nullptr, &type, nullptr, &size) == ERROR_SUCCESS &&
      (type == REG_SZ || type == REG_EXPAND_SZ)) {
    std::vector<char> buf(size + 1, '\0');
    if (RegQueryValueExA(k, valueName, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) ==
        ERROR_SUCCESS) {
      // The stored size may or may not count the terminating zero.
      std::string s(buf.data(), size);
      while (!s.empty() && s.back() == '\0') s.pop_back();
      out = std::move(s);
    }
  }
  RegCloseKey(k);
  return out;
}

void Win32Shell::NotifyAssociationsChanged() { SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr); }

std::string Win32Shell::KnownFolder(ShellFolder id) {
  char buf[MAX_PATH] = {};
  if (SHGetFolderPathA(nullptr, static_cast<int>(id), nullptr, SHGFP_TYPE_CURRENT, buf) != S_OK || !buf[0])
    return {};
  std::string folder(buf);
  if (folder.back() != '\\') folder += '\\';
  return folder;
}

std::string Win32Shell::ProgramPath() {
  std::vector<char> buf(MAX_PATH);
  for (;;) {
    DWORD n = GetModuleFileNameA(nullptr, buf.data(), static_cast<DWORD>(buf.size()));
    if (n == 0) return {};
    if (n < buf.size()) return std::string(buf.data(), n);
    buf.resize(buf.size() * 2);  // truncated: try a larger buffer
  }
}

std::vector<std::string> Win32Shell::CommandLineArguments() {
  auto all = SplitCommandLine(GetCommandLineA());
  if (!all.empty()) all.erase(all.begin());
  return all;
}

std::pair<int, int> Win32Shell::OsVersion() {
  // GetVersionEx reports 6.2 to programs without a compatibility manifest on
  // every later system; the kernel's own call tells the truth.
  struct VersionInfo {
    ULONG size, major, minor, build, platform;
    WCHAR servicePack[128];
  } info{};
  info.size = sizeof info;
  using RtlGetVersionFn = LONG(WINAPI*)(VersionInfo*);
  if (HMODULE ntdll = GetModuleHandleA("ntdll.dll")) {
    auto fn = reinterpret_cast<RtlGetVersionFn>(reinterpret_cast<void*>(GetProcAddress(ntdll, "RtlGetVersion")));
    if (fn && fn(&info) == 0) return {static_cast<int>(info.major), static_cast<int>(info.minor)};
  }
  OSVERSIONINFOA v{};
  v.dwOSVersionInfoSize = sizeof v;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  if (!GetVersionExA(&v)) return {0, 0};
#pragma GCC diagnostic pop
  return {static_cast<int>(v.dwMajorVersion), static_cast<int>(v.dwMinorVersion)};
}

}  // namespace platform::win32
