// A list of same-sized images with a mask colour: button icons, swatches,
// pointer pictures. Freed slots are handed out again by the next add.
#pragma once

#include <vector>

#include "gfx/bitmap.h"

namespace gfx {

class Canvas;

class ImageList {
 public:
  ImageList(int width, int height, Color maskColor = 0x008080, bool masked = true);

  [[nodiscard]] int width() const { return width_; }
  [[nodiscard]] int height() const { return height_; }
  [[nodiscard]] Color maskColor() const { return mask_; }
  // Slots in use or freed; indices run from 0 to count() - 1.
  [[nodiscard]] int count() const { return static_cast<int>(slots_.size()); }
  [[nodiscard]] bool valid(int index) const;

  // Pictures of another size are stretched (nearest, so the mask colour survives)
  // to the cell size. Returns the slot, or -1 for an empty picture.
  int Add(const Bitmap& picture);
  bool Replace(int index, const Bitmap& picture);
  void Remove(int index);
  void clear() { slots_.clear(); }

  // The cell as stored; an empty bitmap for a free or unknown slot.
  [[nodiscard]] const Bitmap& image(int index) const;
  // Draws the cell with its mask colour transparent (when the list is masked).
  bool Draw(Canvas& canvas, int x, int y, int index) const;

 private:
  [[nodiscard]] Bitmap Fit(const Bitmap& picture) const;

  struct Slot {
    Bitmap image;
    bool used = false;
  };
  int width_, height_;
  Color mask_;
  bool masked_;
  std::vector<Slot> slots_;
};

}  // namespace gfx
