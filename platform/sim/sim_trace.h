// The record of what the system did on the simulated desktop: one line per step,
// stamped with the elapsed virtual time.
#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace platform::sim {

class Trace {
 public:
  void SetClock(const std::uint64_t* elapsed) { elapsed_ = elapsed; }
  void Add(std::string_view category, std::string_view text);
  const std::vector<std::string>& lines() const { return lines_; }
  // Lines of one category, without their time stamps.
  std::vector<std::string> Of(std::string_view category) const;
  bool Contains(std::string_view needle) const;
  // A line without its time stamp: "category text".
  static std::string_view Body(std::string_view line);
  void Clear() { lines_.clear(); }
  // Echo every line to stdout as it is added (velmora-sim).
  void SetEcho(bool on) { echo_ = on; }

 private:
  const std::uint64_t* elapsed_ = nullptr;
  std::vector<std::string> lines_;
  bool echo_ = false;
};

}  // namespace platform::sim
