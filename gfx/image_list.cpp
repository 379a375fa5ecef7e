#include "gfx/image_list.h"

#include <algorithm>

#include "gfx/canvas.h"

namespace gfx {

ImageList::ImageList(int width, int height, Color maskColor, bool masked)
    : width_(std::max(0, width)), height_(std::max(0, height)), mask_(maskColor), masked_(masked) {}

bool ImageList::valid(int index) const {
  return index >= 0 && index < count() && slots_[static_cast<std::size_t>(index)].used;
}

Bitmap ImageList::Fit(const Bitmap& picture) const {
  if (picture.width() == width_ && picture.height() == height_) return picture;
  Bitmap cell(width_, height_, mask_);
  Canvas c(cell);
  c.StretchBlt(0, 0, width_, height_, picture, 0, 0, picture.width(), picture.height());
  return cell;
}

int ImageList::Add(const Bitmap& picture) {
  if (picture.empty() || width_ <= 0 || height_ <= 0) return -1;
  auto freeSlot = std::find_if(slots_.begin(), slots_.end(), [](const Slot& s) { return !s.used; });
  if (freeSlot == slots_.end()) {
    slots_.push_back({});
    freeSlot = slots_.end() - 1;
  }
  freeSlot->image = Fit(picture);
  freeSlot->used = true;
  return static_cast<int>(freeSlot - slots_.begin());
}

bool ImageList::Replace(int index, const Bitmap& picture) {
  if (!valid(index) || picture.empty()) return false;
  slots_[static_cast<std::size_t>(index)].image = Fit(picture);
  return true;
}

void ImageList::Remove(int index) {
  if (!valid(index)) return;
  Slot& s = slots_[static_cast<std::size_t>(index)];
  s.used = false;
  s.image = Bitmap();
}

const Bitmap& ImageList::image(int index) const {
  static const Bitmap None;
  return valid(index) ? slots_[static_cast<std::size_t>(index)].image : None;
}

bool ImageList::Draw(Canvas& canvas, int x, int y, int index) const {
  if (!valid(index)) return false;
  const Bitmap& img = slots_[static_cast<std::size_t>(index)].image;
  if (!masked_) return canvas.Draw(x, y, img);
  return canvas.TransparentBlt(x, y, width_, height_, img, 0, 0, width_, height_, mask_);
}

}  // namespace gfx
