// Reports into presses and releases, and the ring of records.
#include <cstring>

#include "remdev/remdev_logic.h"

namespace remdev {

void HeldButtons::Add(std::uint8_t code) {
  if (code == 0 || Has(code)) return;
  bits_[code >> 6] |= std::uint64_t{1} << (code & 63);
  codes_[count_++] = code;
}

void HeldButtons::Remove(std::uint8_t code) {
  if (!Has(code)) return;
  bits_[code >> 6] &= ~(std::uint64_t{1} << (code & 63));
  int i = 0;
  while (codes_[i] != code) ++i;
  for (; i + 1 < count_; ++i) codes_[i] = codes_[i + 1];
  --count_;
}

void HeldButtons::Clear() { *this = HeldButtons(); }

HeldButtons ReportCodes(const std::uint8_t* report, std::uint32_t length) {
  HeldButtons codes;
  for (std::uint32_t i = 1; i < length && report[i] != 0; ++i) codes.Add(report[i]);
  return codes;
}

Changes DiffReports(const HeldButtons& before, const HeldButtons& now) {
  Changes out;
  for (int i = 0; i < now.size(); ++i)
    if (!before.Has(now[i])) out.items[out.count++] = {true, now[i]};
  for (int i = 0; i < before.size(); ++i)
    if (!now.Has(before[i])) out.items[out.count++] = {false, before[i]};
  return out;
}

bool RingBuffer::Append(const std::uint8_t* bytes, std::uint32_t length) {
  if (length >= RingSize - fill_) return false;
  for (std::uint32_t i = 0; i < length; ++i) {
    bytes_[write_] = bytes[i];
    write_ = (write_ + 1) % RingSize;
  }
  fill_ += length;
  return true;
}

bool RingBuffer::Take(std::uint8_t* out, std::uint32_t length) {
  if (length == 0 || length > fill_) return false;
  for (std::uint32_t i = 0; i < length; ++i) {
    out[i] = bytes_[read_];
    read_ = (read_ + 1) % RingSize;
  }
  fill_ -= length;
  return true;
}

void RingBuffer::Reset() {
  std::memset(bytes_, 0, sizeof bytes_);
  write_ = read_ = fill_ = 0;
}

}  // namespace remdev
