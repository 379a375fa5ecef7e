// TXRLIniFile: the INI file class of Config.ini and the profiles. Reads follow
// the Windows private-profile rules (section and key names compared without
// case, the first matching section and key win, values trimmed); every read
// returns its default on any error and every write only changes the text in
// memory. The file is parsed once when opened and written once, whole, by
// UpdateFile, through a temporary file renamed over the old one.
#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace store {

class TXRLIniFile {
 public:
  // Reads the file if it exists; a missing or unreadable file is an empty one.
  explicit TXRLIniFile(std::string fileName);
  // Starts from nothing, whatever the file holds: for writers that recreate it.
  static TXRLIniFile Fresh(std::string fileName);
  static TXRLIniFile FromText(std::string fileName, std::string_view text);

  std::string FileName;
  std::string Section;
  std::string KeyPrefix1, KeyPrefix2, KeyPrefix3;

  int ReadInteger(std::string_view name, int def) const;
  std::uint8_t ReadByte(std::string_view name, std::uint8_t def) const;
  double ReadFloat(std::string_view name, double def) const;
  std::string ReadString(std::string_view name, std::string_view def) const;
  bool ReadBool(std::string_view name, bool def) const;
  bool ValueExists(std::string_view name) const;

  void WriteInteger(std::string_view name, int value);
  void WriteFloat(std::string_view name, double value);
  void WriteString(std::string_view name, std::string_view value);
  void WriteBool(std::string_view name, bool value);

  // The whole file as Windows writes it ("[Section]" lines, "key=value", CRLF).
  std::string Text() const;
  // Writes Text() over the file; false (old file untouched) when that fails.
  [[nodiscard]] bool UpdateFile() const;

  // Parsing helpers shared with other readers of the system's number formats.
  static std::optional<int> ParseInteger(std::string_view text);
  static std::optional<double> ParseFloat(std::string_view text);
  static std::string FormatFloat(double value);

 private:
  struct Entry {
    std::string key, value;
  };
  struct Block {
    std::string name;
    std::vector<Entry> entries;
    std::unordered_map<std::string, std::size_t> index;  // lower-case key -> first entry
  };

  TXRLIniFile() = default;
  void Parse(std::string_view text);
  std::string EffectiveKey(std::string_view name) const;
  const std::string* Find(std::string_view name) const;

  std::vector<Block> blocks_;
  std::unordered_map<std::string, std::size_t> blockIndex_;  // lower-case section -> first block
};

}  // namespace store
