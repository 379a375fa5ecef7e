#include "store/XRLIniFile.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/strings.h"
#include "platform/platform.h"

namespace store {
namespace {

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

}  // namespace

TXRLIniFile::TXRLIniFile(std::string fileName) : FileName(fileName.substr(0, 255)) {
  if (platform::HasPlatform()) {
    if (auto text = platform::os().files().ReadFile(FileName)) Parse(*text);
  }
}

TXRLIniFile TXRLIniFile::Fresh(std::string fileName) {
  TXRLIniFile f;
  f.FileName = fileName.substr(0, 255);
  return f;
}

TXRLIniFile TXRLIniFile::FromText(std::string fileName, std::string_view text) {
  TXRLIniFile f = Fresh(std::move(fileName));
  f.Parse(text);
  return f;
}

void TXRLIniFile::Parse(std::string_view text) {
  Block* current = nullptr;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
    pos = end == std::string_view::npos ? text.size() : end + 1;
    line = Trim(line);
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[') {
      std::size_t close = line.find(']');
      std::string_view name = Trim(line.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
      blocks_.push_back({std::string(name), {}, {}});
      blockIndex_.emplace(base::LowerCase(name), blocks_.size() - 1);
      current = &blocks_.back();
      continue;
    }
    if (!current) continue;  // keys before any section belong to none
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    std::string_view key = Trim(line.substr(0, eq));
    std::string_view value = Trim(line.substr(eq + 1));
    // Windows drops one pair of enclosing quotes.
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') && value.back() == value.front())
      value = value.substr(1, value.size() - 2);
    current->entries.push_back({std::string(key), std::string(value)});
    current->index.emplace(base::LowerCase(key), current->entries.size() - 1);
  }
}

std::string TXRLIniFile::EffectiveKey(std::string_view name) const {
  std::string key;
  key.reserve(KeyPrefix1.size() + KeyPrefix2.size() + KeyPrefix3.size() + name.size());
  key.append(KeyPrefix1).append(KeyPrefix2).append(KeyPrefix3).append(name);
  return key;
}

const std::string* TXRLIniFile::Find(std::string_view name) const {
  // Only the first section of a name is searched, as the private-profile reader does.
  auto b = blockIndex_.find(base::LowerCase(Section));
  if (b == blockIndex_.end()) return nullptr;
  const Block& block = blocks_[b->second];
  auto e = block.index.find(base::LowerCase(EffectiveKey(name)));
  if (e == block.index.end()) return nullptr;
  return &block.entries[e->second].value;
}

std::optional<int> TXRLIniFile::ParseInteger(std::string_view s) {
  s = Trim(s);
  bool negative = false;
  if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
    negative = s.front() == '-';
    s.remove_prefix(1);
  }
  int base = 10;
  if (!s.empty() && s.front() == '$') {
    base = 16;
    s.remove_prefix(1);
  } else if (s.size() > 2 && s[0] == '0' && (s[1] == 'x' || s[1] == 'X')) {
    base = 16;
    s.remove_prefix(2);
  }
  if (s.empty()) return std::nullopt;
  std::uint64_t v = 0;
  auto [ptr, ec] = std::from_chars(s.data(), s.data() + s.size(), v, base);
  if (ec != std::errc() || ptr != s.data() + s.size()) return std::nullopt;
  if (base == 16) {
    // Hexadecimal spells the 32-bit pattern: $FFFFFFFF is -1.
    if (v > 0xFFFFFFFFull) return std::nullopt;
    auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return negative ? -bits : bits;
  }
  if (negative) {
    if (v > 2147483648ull) return std::nullopt;
    return static_cast<int>(-static_cast<std::int64_t>(v));
  }
  if (v > 2147483647ull) return std::nullopt;
  return static_cast<int>(v);
}

std::optional<double> TXRLIniFile::ParseFloat(std::string_view s) {
  s = Trim(s);
  if (s.empty() || s.size() > 64) return std::nullopt;
  // Either decimal separator reads, so files written under another locale load.
  std::string t(s);
  for (auto& c : t)
    if (c == ',') c = '.';
  double v = 0;
  auto [ptr, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
  if (ec != std::errc() || ptr != t.data() + t.size() || !std::isfinite(v)) return std::nullopt;
  return v;
}

std::string TXRLIniFile::FormatFloat(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

int TXRLIniFile::ReadInteger(std::string_view name, int def) const {
  const std::string* v = Find(name);
  if (!v) return def;
  return ParseInteger(*v).value_or(def);
}

std::uint8_t TXRLIniFile::ReadByte(std::string_view name, std::uint8_t def) const {
  int v = ReadInteger(name, def);
  return (v < 0 || v > 255) ? 0 : static_cast<std::uint8_t>(v);
}

double TXRLIniFile::ReadFloat(std::string_view name, double def) const {
  const std::string* v = Find(name);
  if (!v) return def;
  return ParseFloat(*v).value_or(def);
}

std::string TXRLIniFile::ReadString(std::string_view name, std::string_view def) const {
  const std::string* v = Find(name);
  return v ? *v : std::string(def);
}

bool TXRLIniFile::ReadBool(std::string_view name, bool def) const { return ReadInteger(name, def ? 1 : 0) != 0; }

bool TXRLIniFile::ValueExists(std::string_view name) const { return Find(name) != nullptr; }

void TXRLIniFile::WriteString(std::string_view name, std::string_view value) {
  std::string key = EffectiveKey(name);
  // A line break would split the entry; the private-profile writer stops there too.
  std::string_view v = value.substr(0, value.find_first_of("\r\n"));
  std::string sectionKey = base::LowerCase(Section);
  auto b = blockIndex_.find(sectionKey);
  if (b == blockIndex_.end()) {
    blocks_.push_back({Section, {}, {}});
    b = blockIndex_.emplace(sectionKey, blocks_.size() - 1).first;
  }
  Block& block = blocks_[b->second];
  std::string lowKey = base::LowerCase(key);
  auto e = block.index.find(lowKey);
  if (e != block.index.end()) {
    block.entries[e->second].value = std::string(v);
    return;
  }
  block.entries.push_back({std::move(key), std::string(v)});
  block.index.emplace(std::move(lowKey), block.entries.size() - 1);
}

void TXRLIniFile::WriteInteger(std::string_view name, int value) { WriteString(name, std::to_string(value)); }
void TXRLIniFile::WriteFloat(std::string_view name, double value) { WriteString(name, FormatFloat(value)); }
void TXRLIniFile::WriteBool(std::string_view name, bool value) { WriteString(name, value ? "1" : "0"); }

std::string TXRLIniFile::Text() const {
  std::string out;
  std::size_t size = 0;
  for (const auto& b : blocks_) {
    size += b.name.size() + 4;
    for (const auto& e : b.entries) size += e.key.size() + e.value.size() + 3;
  }
  out.reserve(size + 2 * blocks_.size());
  bool first = true;
  for (const auto& b : blocks_) {
    if (!first) out += "\r\n";
    first = false;
    out += '[';
    out += b.name;
    out += "]\r\n";
    for (const auto& e : b.entries) {
      out += e.key;
      out += '=';
      out += e.value;
      out += "\r\n";
    }
  }
  return out;
}

bool TXRLIniFile::UpdateFile() const {
  if (!platform::HasPlatform() || FileName.empty()) return false;
  return platform::os().files().ReplaceFile(FileName, Text());
}

}  // namespace store
