// The string helpers every room shares: letter case as Windows ignores it in
// names (classes, files, sections, keys), and the pieces of a Windows path.
// Case folding is ASCII only, as the system's names are.
#pragma once
#include <string>
#include <string_view>

namespace base {

std::string UpperCase(std::string_view s);
std::string LowerCase(std::string_view s);
// Equal without regard to letter case (names, paths).
bool SameText(std::string_view a, std::string_view b);
inline bool SamePath(std::string_view a, std::string_view b) { return SameText(a, b); }

// A Windows path: "C:\Folder\Name.ext". Backslash and slash both separate, as
// for the system's file functions. The folder keeps its trailing separator (or
// the drive's colon); the extension keeps its dot.
std::string FolderOf(std::string_view path);
std::string FileNameOf(std::string_view path);
std::string ExtensionOf(std::string_view path);  // as written
std::string ChangeExtension(std::string_view path, std::string_view ext);

}  // namespace base
