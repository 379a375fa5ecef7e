// Pure pieces of the Windows backend: command-line splitting, date conversion and
// folder creation. No OS header, so the native tests check them directly.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::win32 {

// Splits a command line as the system's runtime does: blanks (any character up
// to the space) separate, double quotes group and are dropped, a backslash is
// an ordinary character. The program name is the first element.
std::vector<std::string> SplitCommandLine(std::string_view line);

// A FILETIME value (100 ns units since 1601-01-01) as days since 1899-12-30.
double DaysSince1899(std::uint64_t fileTime);

// True when a file name ends in the extension of a "*.ext" pattern, compared
// without case ("*" and "*.*" match any). FindFirstFile also matches the short
// 8.3 names ("*.htm" finds "page.html"), so its results are filtered by this.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// Every folder on the way to path, shortest first, without the drive or the
// server and share of a UNC path, which cannot be created.
std::vector<std::string> FoldersToCreate(std::string_view path);

}  // namespace platform::win32
