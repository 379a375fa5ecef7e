#include "resources/A_resrce.h"

#include <cstdlib>

#include <map>
#include <memory>
#include <string>

#include "gfx/codecs/bmp.h"
#include "gfx/codecs/ico.h"
#include "resources/resource_lists.h"
#include "resources/resource_names.h"
#include "resources/resources_state.h"

namespace resources {
namespace {

ResourcesState& R() { return State(); }

void LoadCursor(int id, std::string_view name) {
  platform::ProgramResources* source = R().source;
  if (!source) return;
  ScreenCursorImage c;
  c.handle = source->LoadCursor(name);
  if (!c.handle) return;  // no cursor: the tool window keeps the one it has
  if (auto file = source->CursorFile(name)) {
    if (auto frames = gfx::codecs::DecodeIconFile(*file); frames && !frames->empty()) {
      c.image = std::move(frames->front().image);
      c.alpha = std::move(frames->front().alpha);
      c.hotspot = {frames->front().hotspot.x, frames->front().hotspot.y};
    }
  }
  R().cursors[id] = std::move(c);
}

void LoadCursors() {
  R().cursors.clear();
  for (const auto& entry : FixedCursors) LoadCursor(entry.id, entry.name);
  for (const auto& family : CursorFamilies)
    for (std::size_t c = 0; c < StockColors.size(); ++c)
      LoadCursor(family.base + static_cast<int>(c),
                 std::string(family.prefix) + "_" + std::string(StockColors[c].name));
}

}  // namespace

const gfx::Bitmap* IconPicture(std::string_view name) {
  auto& iconPictures = R().iconPictures;
  platform::ProgramResources* source = R().source;
  if (auto it = iconPictures.find(name); it != iconPictures.end()) return &it->second;
  gfx::Bitmap picture;
  if (source) {
    if (auto file = source->IconFile(name)) {
      if (auto frames = gfx::codecs::DecodeIconFile(*file); frames && !frames->empty()) {
        const gfx::codecs::IconFrame* best = &frames->front();
        for (const auto& f : *frames)
          if (std::abs(f.image.width() - 32) < std::abs(best->image.width() - 32)) best = &f;
        constexpr gfx::Color face = gfx::Rgb(212, 208, 200);
        picture = best->image;
        for (int y = 0; y < picture.height(); ++y)
          for (int x = 0; x < picture.width(); ++x) {
            std::size_t i = static_cast<std::size_t>(y) * static_cast<std::size_t>(picture.width()) +
                            static_cast<std::size_t>(x);
            int a = i < best->alpha.size() ? best->alpha[i] : 255;
            gfx::Color c = picture.pixel(x, y);
            auto mix = [&](int fg, int bg) { return (fg * a + bg * (255 - a) + 127) / 255; };
            picture.setPixel(x, y,
                             gfx::Rgb(mix(gfx::RedOf(c), gfx::RedOf(face)), mix(gfx::GreenOf(c), gfx::GreenOf(face)),
                                      mix(gfx::BlueOf(c), gfx::BlueOf(face))));
          }
      }
    }
  }
  return &iconPictures.emplace(std::string(name), std::move(picture)).first->second;
}

void UseResources(platform::ProgramResources& source) {
  R().source = &source;
  R().iconPictures.clear();
}


gfx::Bitmap LoadResourceBitmap(std::string_view name) {
  gfx::Bitmap b;
  platform::ProgramResources* source = R().source;
  if (!source) return b;
  if (auto bytes = source->BitmapFile(name)) {
    if (!gfx::codecs::DecodeBmp(*bytes, b)) b = gfx::Bitmap();
  }
  return b;
}

const gfx::Bitmap& Picture(std::string_view name) {
  static const gfx::Bitmap None;
  const auto& pictures = R().pictures;
  auto it = pictures.find(name);
  return it == pictures.end() ? None : it->second;
}

const ScreenCursorImage* ScreenCursor(int id) {
  const auto& cursors = R().cursors;
  auto it = cursors.find(id);
  return it == cursors.end() ? nullptr : &it->second;
}

platform::IconHandle ApplicationIcon(bool enabled, int size) {
  platform::ProgramResources* source = R().source;
  if (!source) return {};
  return source->LoadIcon(enabled ? EnabledIconName : DisabledIconName, size);
}

void LoadResources() {
  auto& pictures = R().pictures;
  pictures.clear();
  for (std::string_view name : PictureNames) pictures.emplace(std::string(name), LoadResourceBitmap(name));
  LoadCursors();
  LoadEventList();
  LoadPointerList();
  LoadAutoshapeList(Picture("bm_Autoshapes"));
}

void LoadGraphics() {
  LoadButtonLists();
  LoadPreviewList(Picture("bm_Thumbnail_Missing"));
  LoadSwatchList();
}

void FreeResources() {
  FreeGraphicsLists();
  R().pictures.clear();
  R().cursors.clear();
  // The pointer pictures go last: a clipart tool may still hold an index.
  FreeResourceLists();
}

}  // namespace resources
