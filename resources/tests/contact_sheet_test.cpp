// Renders every image list, picture, cursor and icon as the program loads them
// into one PNG for people to review: test-output/resources_contact_sheet.png
// (or $VELMORA_TEST_OUTPUT). Lists are drawn as the controls draw them, with
// their key colour transparent; pointers and cursors also on a dark slide.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "core/A_resrce.h"
#include "core/resource_names.h"
#include "gfx/canvas.h"
#include "gfx/ico.h"
#include "gfx/image_file.h"
#include "platform/resources.h"

namespace {

constexpr int kWidth = 680;
constexpr gfx::Color kFace = 0xF0F0F0, kSlide = 0x302820;

class Sheet {
 public:
  Sheet() : bmp_(kWidth, 4000, kFace), canvas_(bmp_) {}
  // Lays the list out in rows of whole cells, starting a new band.
  void List(const gfx::ImageList& list, int pad, gfx::Color back = kFace) {
    Band(list.count(), list.width() + pad, list.height() + pad, back,
         [&](int i, int x, int y) { list.draw(canvas_, x + pad / 2, y + pad / 2, i); });
  }
  void Cursors(gfx::Color back) {
    std::vector<gfx::IconFrame> frames;
    for (const auto& e : core::FixedCursors) Add(frames, e.name);
    for (const auto& f : core::CursorFamilies)
      for (const auto& c : core::StockColors) Add(frames, std::string(f.prefix) + "_" + std::string(c.name));
    Band(static_cast<int>(frames.size()), 36, 36, back, [&](int i, int x, int y) {
      Blend(frames[static_cast<std::size_t>(i)], x + 2, y + 2);
      const auto& f = frames[static_cast<std::size_t>(i)];
      bmp_.setPixel(x + 2 + f.hotspot.x, y + 2 + f.hotspot.y, 0x0000FF);  // the hotspot, for review
    });
  }
  void Icons() {
    std::vector<gfx::IconFrame> frames;
    for (auto name : {core::EnabledIconName, core::DisabledIconName})
      if (auto file = platform::Resources().IconFile(name))
        if (auto f = gfx::decodeIconFile(*file)) frames.insert(frames.end(), f->begin(), f->end());
    int x = 4;
    for (const auto& f : frames) {
      Blend(f, x, y_ + 4);
      x += f.image.width() + 8;
    }
    y_ += 72;
  }
  void Pictures() {
    int x = 4;
    for (const char* name : {"bm_Question1", "bm_Question2", "sample_arrows_180x180"}) {
      const gfx::Bitmap& p = core::Picture(name);
      canvas_.setStretchMode(gfx::StretchMode::Smooth);
      canvas_.stretchBlt(x, y_ + 4, 160, 120 * p.height() / std::max(1, p.width()) * 160 / 120, p, 0, 0, p.width(),
                         p.height());
      x += 168;
    }
    for (const char* name : {"Br_Pattern", "Br_Shade", "Br_Shade2", "Br_Shade3"}) {
      canvas_.tile({x, y_ + 4, x + 24, y_ + 28}, core::Picture(name));
      x += 28;
    }
    const gfx::Bitmap& button = core::Picture("bm_CustomButton");
    canvas_.transparentBlt(x - 112, y_ + 36, 26, 26, button, 0, 0, 26, 26, 0x008080);
    y_ += 170;
  }
  bool Write(const std::string& path) {
    gfx::Bitmap out(kWidth, y_);
    gfx::Canvas(out).draw(0, 0, bmp_);
    return gfx::writePngFile(path, out);
  }

 private:
  template <class Draw>
  void Band(int count, int cw, int ch, gfx::Color back, Draw draw) {
    const int perRow = (kWidth - 8) / cw, rows = (count + perRow - 1) / perRow;
    bmp_.fillRect({0, y_, kWidth, y_ + rows * ch + 8}, back);
    for (int i = 0; i < count; ++i) draw(i, 4 + (i % perRow) * cw, y_ + 4 + (i / perRow) * ch);
    y_ += rows * ch + 8;
    bmp_.fillRect({0, y_, kWidth, y_ + 1}, 0xC0C0C0);
    y_ += 1;
  }
  static void Add(std::vector<gfx::IconFrame>& frames, std::string_view name) {
    auto file = platform::Resources().CursorFile(name);
    auto f = file ? gfx::decodeIconFile(*file) : std::nullopt;
    frames.push_back(f && !f->empty() ? f->front() : gfx::IconFrame{gfx::Bitmap(32, 32), {}, {}});
  }
  void Blend(const gfx::IconFrame& f, int ox, int oy) {
    for (int y = 0; y < f.image.height(); ++y)
      for (int x = 0; x < f.image.width(); ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * f.image.width() + x;
        const int a = i < f.alpha.size() ? f.alpha[i] : 255;
        const gfx::Color s = f.image.pixel(x, y), d = bmp_.pixel(ox + x, oy + y);
        auto ch = [&](int sc, int dc) { return (sc * a + dc * (255 - a)) / 255; };
        bmp_.setPixel(ox + x, oy + y, gfx::rgb(ch(gfx::redOf(s), gfx::redOf(d)), ch(gfx::greenOf(s), gfx::greenOf(d)),
                                               ch(gfx::blueOf(s), gfx::blueOf(d))));
      }
  }
  gfx::Bitmap bmp_;
  gfx::Canvas canvas_;
  int y_ = 0;
};

TEST(ResourceContactSheet, EveryListLoadsCompleteAndIsDrawnForReview) {
  core::InstallResources(platform::Resources());
  core::LoadResources();
  core::LoadGraphics();
  EXPECT_EQ(core::SmallButtonList().count(), core::StockIconCount);
  EXPECT_EQ(core::LargeButtonList().count(), core::StockIconCount);
  EXPECT_EQ(core::EventList().count(), static_cast<int>(core::EventIconNames.size()));
  EXPECT_EQ(core::PointerList().count(), static_cast<int>(core::PointerImageNames.size()));
  EXPECT_EQ(core::AutoshapeList().count(), core::AutoshapeCount);
  EXPECT_EQ(core::SwatchList().count(), 30);
  ASSERT_NE(core::ScreenCursor(1), nullptr);
  EXPECT_EQ(core::ScreenCursor(1)->image.width(), 32);

  Sheet sheet;
  sheet.List(core::SmallButtonList(), 6);
  sheet.List(core::LargeButtonList(), 8);
  sheet.List(core::EventList(), 6);
  sheet.List(core::PointerList(), 6);
  sheet.List(core::PointerList(), 6, kSlide);
  sheet.List(core::AutoshapeList(), 4, 0xFFFFFF);
  sheet.List(core::SwatchList(), 6);
  sheet.List(core::PreviewList(), 8);
  sheet.Pictures();
  sheet.Cursors(kFace);
  sheet.Cursors(kSlide);
  sheet.Icons();
  const char* env = std::getenv("VELMORA_TEST_OUTPUT");
  const std::string folder = env && *env ? env : "test-output";
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(sheet.Write(folder + "/resources_contact_sheet.png"));
  core::FreeResources();
}

}  // namespace
