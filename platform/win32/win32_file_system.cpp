// Files and folders through the ANSI file API.
#include <windows.h>

#include <algorithm>

#include "platform/win32/win32_logic.h"
#include "platform/win32/win32_services.h"

namespace platform::win32 {
namespace {

DWORD Attributes(std::string_view path) { return GetFileAttributesA(std::string(path).c_str()); }

bool WriteWhole(const std::string& path, std::string_view content) {
  HANDLE f = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return false;
  bool ok = true;
  std::size_t done = 0;
  while (ok && done < content.size()) {
    DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1u << 20));
    DWORD written = 0;
    ok = ::WriteFile(f, content.data() + done, chunk, &written, nullptr) && written == chunk;
    done += written;
  }
  ok = ok && FlushFileBuffers(f);
  return CloseHandle(f) && ok;
}

}  // namespace

bool Win32FileSystem::Exists(std::string_view path) { return Attributes(path) != INVALID_FILE_ATTRIBUTES; }

bool Win32FileSystem::IsFolder(std::string_view path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

bool Win32FileSystem::IsReadOnly(std::string_view path) {
  DWORD a = Attributes(path);
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_READONLY);
}

bool Win32FileSystem::SetReadOnly(std::string_view path, bool readOnly) {
  DWORD a = Attributes(path);
  if (a == INVALID_FILE_ATTRIBUTES) return false;
  a = readOnly ? (a | FILE_ATTRIBUTE_READONLY) : (a & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
  // A file whose only attribute would be none must say "normal".
  if (a == 0) a = FILE_ATTRIBUTE_NORMAL;
  return SetFileAttributesA(std::string(path).c_str(), a) != 0;
}

bool Win32FileSystem::Delete(std::string_view path) { return DeleteFileA(std::string(path).c_str()) != 0; }

bool Win32FileSystem::CreateFolders(std::string_view path) {
  // Levels that exist already fail harmlessly; only the end result counts.
  for (const auto& folder : FoldersToCreate(path)) CreateDirectoryA(folder.c_str(), nullptr);
  return IsFolder(path);
}

std::optional<std::string> Win32FileSystem::ReadFile(std::string_view path) {
  HANDLE f = CreateFileA(std::string(path).c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                         OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return std::nullopt;
  std::string content;
  LARGE_INTEGER size{};
  bool ok = GetFileSizeEx(f, &size) && size.QuadPart >= 0 && size.QuadPart < (1LL << 31);
  if (ok) {
    content.resize(static_cast<std::size_t>(size.QuadPart));
    std::size_t done = 0;
    while (ok && done < content.size()) {
      DWORD got = 0;
      ok = ::ReadFile(f, content.data() + done, static_cast<DWORD>(content.size() - done), &got, nullptr);
      if (got == 0) break;  // the file shrank while we read it
      done += got;
    }
    content.resize(done);
  }
  CloseHandle(f);
  if (!ok) return std::nullopt;
  return content;
}

bool Win32FileSystem::ReplaceFile(std::string_view path, std::string_view content) {
  // Wine renames over a read-only file; the system expects the write to fail
  // and the old file to stay, so the attribute is asked first.
  if (IsReadOnly(path)) return false;
  std::string target(path);
  std::string temp = target + ".~tmp";
  if (!WriteWhole(temp, content) ||
      !MoveFileExA(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileA(temp.c_str());
    return false;
  }
  return true;
}

std::vector<std::string> Win32FileSystem::ListFiles(std::string_view folder, std::string_view pattern) {
  std::string query(folder);
  if (!query.empty() && query.back() != '\\' && query.back() != '/') query += '\\';
  query += pattern.empty() ? std::string_view("*") : pattern;
  std::vector<std::string> out;
  WIN32_FIND_DATAA data;
  HANDLE find = FindFirstFileA(query.c_str(), &data);
  if (find == INVALID_HANDLE_VALUE) return out;
  do {
    if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
    if (MatchesPattern(data.cFileName, pattern)) out.emplace_back(data.cFileName);
  } while (FindNextFileA(find, &data));
  FindClose(find);
  std::sort(out.begin(), out.end());
  return out;
}

}  // namespace platform::win32
