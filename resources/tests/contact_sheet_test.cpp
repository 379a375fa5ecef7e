// Renders every image list, picture, cursor and icon as the program loads them
// into one PNG for people to review: test-output/resources_contact_sheet.png
// (or $VELMORA_TEST_OUTPUT). Lists are drawn as the controls draw them, with
// their key colour transparent; pointers and cursors also on a dark slide.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "base/program_state.h"
#include "resources/A_resrce.h"
#include "resources/resource_names.h"
#include "gfx/canvas.h"
#include "gfx/codecs/ico.h"
#include "gfx/codecs/image_file.h"
#include "platform/resources.h"

namespace {

constexpr int Width = 680;
constexpr gfx::Color Face = 0xF0F0F0, Slide = 0x302820;

class Sheet {
 public:
  Sheet() : bmp_(Width, 4000, Face), canvas_(bmp_) {}
  // Lays the list out in rows of whole cells, starting a new band.
  void List(const gfx::ImageList& list, int pad, gfx::Color back = Face) {
    Band(list.count(), list.width() + pad, list.height() + pad, back,
         [&](int i, int x, int y) { list.Draw(canvas_, x + pad / 2, y + pad / 2, i); });
  }
  void Cursors(gfx::Color back) {
    std::vector<gfx::codecs::IconFrame> frames;
    for (const auto& e : resources::FixedCursors) Add(frames, e.name);
    for (const auto& f : resources::CursorFamilies)
      for (const auto& c : resources::StockColors) Add(frames, std::string(f.prefix) + "_" + std::string(c.name));
    Band(static_cast<int>(frames.size()), 36, 36, back, [&](int i, int x, int y) {
      Blend(frames[static_cast<std::size_t>(i)], x + 2, y + 2);
      const auto& f = frames[static_cast<std::size_t>(i)];
      bmp_.setPixel(x + 2 + f.hotspot.x, y + 2 + f.hotspot.y, 0x0000FF);  // the hotspot, for review
    });
  }
  void Icons() {
    std::vector<gfx::codecs::IconFrame> frames;
    for (auto name : {resources::EnabledIconName, resources::DisabledIconName})
      if (auto file = platform::Resources().IconFile(name))
        if (auto f = gfx::codecs::DecodeIconFile(*file)) frames.insert(frames.end(), f->begin(), f->end());
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
      const gfx::Bitmap& p = resources::Picture(name);
      canvas_.setStretchMode(gfx::StretchMode::Smooth);
      canvas_.StretchBlt(x, y_ + 4, 160, 120 * p.height() / std::max(1, p.width()) * 160 / 120, p, 0, 0, p.width(),
                         p.height());
      x += 168;
    }
    for (const char* name : {"Br_Pattern", "Br_Shade", "Br_Shade2", "Br_Shade3"}) {
      canvas_.Tile({x, y_ + 4, x + 24, y_ + 28}, resources::Picture(name));
      x += 28;
    }
    const gfx::Bitmap& button = resources::Picture("bm_CustomButton");
    canvas_.TransparentBlt(x - 112, y_ + 36, 26, 26, button, 0, 0, 26, 26, 0x008080);
    y_ += 170;
  }
  bool Write(const std::string& path) {
    gfx::Bitmap out(Width, y_);
    gfx::Canvas(out).Draw(0, 0, bmp_);
    return gfx::codecs::WritePngFile(path, out);
  }

 private:
  template <class Draw>
  void Band(int count, int cw, int ch, gfx::Color back, Draw draw) {
    const int perRow = (Width - 8) / cw, rows = (count + perRow - 1) / perRow;
    bmp_.FillRect({0, y_, Width, y_ + rows * ch + 8}, back);
    for (int i = 0; i < count; ++i) draw(i, 4 + (i % perRow) * cw, y_ + 4 + (i / perRow) * ch);
    y_ += rows * ch + 8;
    bmp_.FillRect({0, y_, Width, y_ + 1}, 0xC0C0C0);
    y_ += 1;
  }
  static void Add(std::vector<gfx::codecs::IconFrame>& frames, std::string_view name) {
    auto file = platform::Resources().CursorFile(name);
    auto f = file ? gfx::codecs::DecodeIconFile(*file) : std::nullopt;
    frames.push_back(f && !f->empty() ? f->front() : gfx::codecs::IconFrame{gfx::Bitmap(32, 32), {}, {}});
  }
  void Blend(const gfx::codecs::IconFrame& f, int ox, int oy) {
    for (int y = 0; y < f.image.height(); ++y)
      for (int x = 0; x < f.image.width(); ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * f.image.width() + x;
        const int a = i < f.alpha.size() ? f.alpha[i] : 255;
        const gfx::Color s = f.image.pixel(x, y), d = bmp_.pixel(ox + x, oy + y);
        auto ch = [&](int sc, int dc) { return (sc * a + dc * (255 - a)) / 255; };
        bmp_.setPixel(ox + x, oy + y, gfx::Rgb(ch(gfx::RedOf(s), gfx::RedOf(d)), ch(gfx::GreenOf(s), gfx::GreenOf(d)),
                                               ch(gfx::BlueOf(s), gfx::BlueOf(d))));
      }
  }
  gfx::Bitmap bmp_;
  gfx::Canvas canvas_;
  int y_ = 0;
};

TEST(ResourceContactSheet, EveryListLoadsCompleteAndIsDrawnForReview) {
  base::ProgramState program;
  base::ScopedProgram bind(program);
  resources::UseResources(platform::Resources());
  resources::LoadResources();
  resources::LoadGraphics();
  EXPECT_EQ(resources::SmallButtonList().count(), resources::StockIconCount);
  EXPECT_EQ(resources::LargeButtonList().count(), resources::StockIconCount);
  EXPECT_EQ(resources::EventList().count(), static_cast<int>(resources::EventIconNames.size()));
  EXPECT_EQ(resources::PointerList().count(), static_cast<int>(resources::PointerImageNames.size()));
  EXPECT_EQ(resources::AutoshapeList().count(), resources::AutoshapeCount);
  EXPECT_EQ(resources::SwatchList().count(), 30);
  ASSERT_NE(resources::ScreenCursor(1), nullptr);
  EXPECT_EQ(resources::ScreenCursor(1)->image.width(), 32);

  Sheet sheet;
  sheet.List(resources::SmallButtonList(), 6);
  sheet.List(resources::LargeButtonList(), 8);
  sheet.List(resources::EventList(), 6);
  sheet.List(resources::PointerList(), 6);
  sheet.List(resources::PointerList(), 6, Slide);
  sheet.List(resources::AutoshapeList(), 4, 0xFFFFFF);
  sheet.List(resources::SwatchList(), 6);
  sheet.List(resources::PreviewList(), 8);
  sheet.Pictures();
  sheet.Cursors(Face);
  sheet.Cursors(Slide);
  sheet.Icons();
  const char* env = std::getenv("VELMORA_TEST_OUTPUT");
  const std::string folder = env && *env ? env : "test-output";
  std::filesystem::create_directories(folder);
  EXPECT_TRUE(sheet.Write(folder + "/resources_contact_sheet.png"));
  resources::FreeResources();
}

}  // namespace
