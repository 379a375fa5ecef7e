// The drawn resources as the program finds them: every name of the lists and
// the cursor table resolves, at its size, with art that can be told apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "base/strings.h"
#include "resources/A_resrce.h"
#include "resources/resource_names.h"
#include "gfx/codecs/bmp.h"
#include "gfx/codecs/ico.h"
#include "platform/resources.h"

namespace {

constexpr gfx::Color Mask = 0x008080;

gfx::Bitmap Load(std::string_view name) {
  gfx::Bitmap b;
  auto bytes = platform::Resources().BitmapFile(name);
  if (bytes && !gfx::codecs::DecodeBmp(*bytes, b)) b = {};
  return b;
}

int Visible(const gfx::Bitmap& b) {
  int n = 0;
  const gfx::Color key = b.pixel(0, b.height() - 1);
  for (int y = 0; y < b.height(); ++y)
    for (int x = 0; x < b.width(); ++x) n += b.pixel(x, y) != key;
  return n;
}

TEST(ResourceBundle, EveryKeyedPictureResolvesAtItsSizeOnTheKeyColour) {
  struct Group {
    const char* what;
    std::vector<std::string> names;
    int size;
  };
  std::vector<Group> groups = {{"button", {}, 26}, {"big button", {}, 52}, {"event", {}, 26}, {"pointer", {}, 32}};
  for (auto n : resources::StockIconNames) {
    groups[0].names.emplace_back(n);
    // The key top of custom keystrokes is drawn for 26 pixels only.
    if (n != "tb_customkeystroke") groups[1].names.push_back(std::string(n) + std::string(resources::BigIconSuffix));
  }
  for (auto n : resources::EventIconNames) groups[2].names.emplace_back(n);
  for (auto n : resources::PointerImageNames) groups[3].names.push_back(base::UpperCase(n));
  for (const auto& g : groups)
    for (const auto& name : g.names) {
      const gfx::Bitmap b = Load(name);
      ASSERT_FALSE(b.empty()) << g.what << " " << name;
      EXPECT_EQ(b.size(), (gfx::Size{g.size, g.size})) << name;
      EXPECT_EQ(b.pixel(0, b.height() - 1), Mask) << name;
      // Art, not a blank: an unknown glyph or a drawing that missed the cell shows here.
      EXPECT_GT(Visible(b), g.size * g.size / 12) << name;
    }
}

TEST(ResourceBundle, NoTwoStockIconsLookTheSame) {
  std::set<std::vector<gfx::Pixel>> seen;
  for (auto name : resources::StockIconNames) {
    const gfx::Bitmap b = Load(name);
    std::vector<gfx::Pixel> px(b.data(), b.data() + b.width() * b.height());
    EXPECT_TRUE(seen.insert(px).second) << name << " repeats another icon";
  }
}

TEST(ResourceBundle, PicturesHaveTheirSizes) {
  const std::pair<const char*, gfx::Size> sizes[] = {
      {"bm_Autoshapes", {3 * resources::AutoshapeColumnPitch + 16, 33 * resources::AutoshapeRowPitch + 16}},
      {"bm_CustomButton", {26, 26}}, {"bm_Thumbnail_Missing", {80, 60}}, {"Br_Pattern", {8, 8}},
      {"Br_Shade", {8, 8}}, {"Br_Shade2", {8, 8}}, {"Br_Shade3", {8, 8}}, {"sample_arrows_180x180", {180, 180}}};
  for (auto [name, size] : sizes) EXPECT_EQ(Load(name).size(), size) << name;
  for (auto name : resources::PictureNames) EXPECT_FALSE(Load(name).empty()) << name;
  // Brushes are two-colour: dark pixels take the text colour, light ones the background.
  for (const char* name : {"Br_Pattern", "Br_Shade", "Br_Shade2", "Br_Shade3"}) {
    const gfx::Bitmap b = Load(name);
    for (int y = 0; y < 8; ++y)
      for (int x = 0; x < 8; ++x) EXPECT_TRUE(b.pixel(x, y) == 0 || b.pixel(x, y) == 0xFFFFFF) << name;
  }
}

TEST(ResourceBundle, CustomKeystrokeKeepsTheModifierBoxesTheKeystrokeToolFills) {
  const gfx::Bitmap b = Load("tb_customkeystroke");
  const int boxes[4][2] = {{1, 6}, {7, 12}, {13, 18}, {19, 25}};
  for (const auto& box : boxes) {
    EXPECT_EQ(b.pixel(box[0], 0), 0xC0C0C0u);
    EXPECT_EQ(b.pixel(box[1], 7), 0xC0C0C0u);
    const gfx::Color inside = b.pixel((box[0] + box[1]) / 2, 4);
    EXPECT_NE(inside, 0xC0C0C0u);
    EXPECT_NE(inside, 0xFFFFFFu);  // filled white only when the modifier is present
  }
}

TEST(ResourceBundle, EveryCursorOfTheTableIsACursorWithAHotspotOnItsPicture) {
  std::vector<std::pair<int, std::string>> all;
  for (const auto& e : resources::FixedCursors) all.emplace_back(e.id, std::string(e.name));
  for (const auto& f : resources::CursorFamilies)
    for (std::size_t c = 0; c < resources::StockColors.size(); ++c)
      all.emplace_back(f.base + static_cast<int>(c), std::string(f.prefix) + "_" + std::string(resources::StockColors[c].name));
  ASSERT_EQ(all.size(), 26u + 70u);
  for (const auto& [id, name] : all) {
    EXPECT_TRUE(platform::Resources().LoadCursor(name)) << name;
    auto file = platform::Resources().CursorFile(name);
    ASSERT_TRUE(file) << name;
    bool isCursor = false;
    auto frames = gfx::codecs::DecodeIconFile(*file, &isCursor);
    ASSERT_TRUE(frames && frames->size() == 1 && isCursor) << name;
    const gfx::codecs::IconFrame& f = frames->front();
    EXPECT_EQ(f.image.size(), (gfx::Size{32, 32})) << name;
    int opaque = 0;
    for (auto a : f.alpha) opaque += a >= 128;
    if (id == resources::InvisibleCursorId) {
      EXPECT_EQ(opaque, 0) << name;
      continue;
    }
    EXPECT_GT(opaque, 30) << name;
    // The hotspot lies on the picture (a magnifier's in its glass), never in empty space.
    int left = 32, top = 32, right = -1, bottom = -1;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x)
        if (f.alpha[static_cast<std::size_t>(y) * 32 + x] >= 128)
          left = std::min(left, x), top = std::min(top, y), right = std::max(right, x), bottom = std::max(bottom, y);
    EXPECT_TRUE(f.hotspot.x >= left && f.hotspot.x <= right && f.hotspot.y >= top && f.hotspot.y <= bottom)
        << name << " hotspot " << f.hotspot.x << "," << f.hotspot.y;
  }
}

TEST(ResourceBundle, ApplicationIconsCarryTheSizesTheWindowsAsk) {
  for (auto name : {resources::EnabledIconName, resources::DisabledIconName}) {
    auto file = platform::Resources().IconFile(name);
    ASSERT_TRUE(file) << name;
    auto frames = gfx::codecs::DecodeIconFile(*file);
    ASSERT_TRUE(frames) << name;
    std::set<int> sizes;
    for (const auto& f : *frames) sizes.insert(f.image.width());
    for (int s : {16, 32, 64}) EXPECT_TRUE(sizes.count(s)) << name << " at " << s;
  }
}

}  // namespace
