// A_resrce against resources we control: how pictures become list images, what
// a missing or damaged resource leaves, and how tools' own slots are drawn.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "resources/A_resrce.h"
#include "tool/T_tool.h"
#include "app/app_state.h"
#include "test_support/sim_fixture.h"
#include "tool/image_slots.h"
#include "resources/resource_lists.h"
#include "resources/resource_names.h"
#include "gfx/codecs/bmp.h"
#include "gfx/canvas.h"
#include "gfx/codecs/ico.h"

namespace {

constexpr gfx::Color Mask = 0x008080, Magenta = 0xFF00FF;

// Names are matched exactly, so a test can tell which spelling was asked for.
class FakeResources final : public platform::ProgramResources {
 public:
  std::map<std::string, std::vector<std::uint8_t>> bitmaps, cursors;
  void Put(const std::string& name, const gfx::Bitmap& b) { bitmaps[name] = *gfx::codecs::EncodeBmp(b); }
  std::optional<std::vector<std::uint8_t>> BitmapFile(std::string_view name) override {
    return Find(bitmaps, name);
  }
  std::optional<std::vector<std::uint8_t>> CursorFile(std::string_view name) override {
    return Find(cursors, name);
  }
  std::optional<std::vector<std::uint8_t>> IconFile(std::string_view) override { return std::nullopt; }
  platform::CursorHandle LoadCursor(std::string_view name) override {
    return platform::CursorHandle{cursors.count(std::string(name)) ? 7u : 0u};
  }
  platform::IconHandle LoadIcon(std::string_view, int) override { return {}; }

 private:
  static std::optional<std::vector<std::uint8_t>> Find(const std::map<std::string, std::vector<std::uint8_t>>& m,
                                                       std::string_view name) {
    auto it = m.find(std::string(name));
    if (it == m.end()) return std::nullopt;
    return it->second;
  }
};

class ResourcesTest : public test_support::SimTest {
 protected:
  // The program's steps, as the control window runs them, from the fake.
  void Load() {
    resources::UseResources(fake);
    app::State().steps.Run("Load Resources");
    app::State().steps.Run("Load Graphics");
  }
  FakeResources fake;
};

TEST_F(ResourcesTest, ButtonPicturesTakeTheirTransparentColourFromTheBottomLeftPixel) {
  gfx::Bitmap pic(26, 26, Magenta);
  pic.setPixel(5, 5, 0x123456);
  pic.setPixel(6, 6, Mask);  // the list's key, but a visible pixel of this picture
  fake.Put("tb_Pen", pic);
  Load();
  const gfx::Bitmap& cell = resources::SmallButtonList().image(resources::tb_Pen);
  EXPECT_EQ(cell.pixel(0, 25), Mask);
  EXPECT_EQ(cell.pixel(5, 5), 0x123456u);
  EXPECT_NE(cell.pixel(6, 6), Mask);
  EXPECT_EQ(cell.pixel(6, 6) & 0xFFFFFEu, Mask & 0xFFFFFEu);
}

TEST_F(ResourcesTest, LargeListTakesTheBigPictureOrStretchesTheSmallOne) {
  gfx::Bitmap small(26, 26, Mask);
  small.setPixel(3, 4, 0x0000FF);
  fake.Put("tb_Pen", small);
  gfx::Bitmap big(40, 40, Mask);  // another size is stretched to the cell
  big.FillRect({0, 0, 20, 20}, 0x00FF00);
  fake.Put("tb_Zoom", small);
  fake.Put("tb_Zoom_Big", big);
  Load();
  const gfx::Bitmap& pen = resources::LargeButtonList().image(resources::tb_Pen);
  ASSERT_EQ(pen.width(), 52);
  EXPECT_EQ(pen.pixel(6, 8), 0x0000FFu);
  EXPECT_EQ(pen.pixel(7, 9), 0x0000FFu);
  EXPECT_EQ(pen.pixel(8, 8), Mask);
  const gfx::Bitmap& zoom = resources::LargeButtonList().image(resources::tb_Zoom);
  EXPECT_EQ(zoom.pixel(0, 0), 0x00FF00u);
  EXPECT_EQ(zoom.pixel(25, 25), 0x00FF00u);
  EXPECT_EQ(zoom.pixel(27, 27), Mask);
}

TEST_F(ResourcesTest, MissingOrDamagedPicturesLeaveBlankImagesAndKeepEveryIndex) {
  fake.bitmaps["tb_Pen"] = {'B', 'M', 1, 2, 3};  // damaged
  gfx::Bitmap zoom(26, 26, Mask);
  zoom.setPixel(1, 1, 0x010203);
  fake.Put("tb_ZoomFrame", zoom);  // the last stock icon
  Load();
  for (gfx::ImageList* list : {&resources::SmallButtonList(), &resources::LargeButtonList()}) {
    EXPECT_EQ(list->count(), resources::StockIconCount);
    EXPECT_EQ(list->image(resources::tb_Pen).pixel(1, 1), Mask);
  }
  EXPECT_EQ(resources::SmallButtonList().image(resources::tb_ZoomFrame).pixel(1, 1), 0x010203u);
  EXPECT_EQ(resources::EventList().count(), static_cast<int>(resources::EventIconNames.size()));
  EXPECT_EQ(resources::PointerList().count(), static_cast<int>(resources::PointerImageNames.size()));
  EXPECT_EQ(resources::AutoshapeList().count(), resources::AutoshapeCount);
  EXPECT_EQ(resources::PreviewList().count(), 1);
  EXPECT_TRUE(resources::Picture("bm_Question1").empty());
  EXPECT_EQ(resources::ScreenCursor(1), nullptr);
  EXPECT_TRUE(resources::LoadResourceBitmap("tb_Pen").empty());
}

TEST_F(ResourcesTest, PointerPicturesAreFoundByTheirUpperCaseNames) {
  gfx::Bitmap laser(32, 32, Mask);
  laser.setPixel(16, 16, 0x0000FF);
  fake.Put("SP_LASER", laser);
  fake.Put("sp_aastar", laser);  // the spelling of the list is not what is asked for
  Load();
  EXPECT_EQ(resources::PointerList().image(24).pixel(16, 16), 0x0000FFu);  // sp_Laser
  EXPECT_EQ(resources::PointerList().image(0).pixel(16, 16), Mask);
}

TEST_F(ResourcesTest, AutoshapeSheetIsCutIntoItsCellsOnTheKeyColour) {
  const int w = 3 * resources::AutoshapeColumnPitch + 16, h = 33 * resources::AutoshapeRowPitch + 16;
  gfx::Bitmap sheet(w, h, 0xFFFFFF);
  for (int i = 0; i < resources::AutoshapeCount; ++i)
    sheet.FillRect({(i % 4) * 23, (i / 4) * 20, (i % 4) * 23 + 16, (i / 4) * 20 + 16}, static_cast<gfx::Color>(i + 1));
  fake.Put("bm_Autoshapes", sheet);
  Load();
  for (int i : {0, 1, 3, 4, 77, 135}) {
    const gfx::Bitmap& icon = resources::AutoshapeList().image(i);
    ASSERT_EQ(icon.width(), 24);
    EXPECT_EQ(icon.pixel(4, 4), static_cast<gfx::Color>(i + 1)) << i;
    EXPECT_EQ(icon.pixel(19, 19), static_cast<gfx::Color>(i + 1)) << i;
    EXPECT_EQ(icon.pixel(3, 3), Mask) << i;
    EXPECT_EQ(icon.pixel(20, 20), Mask) << i;
  }
}

TEST_F(ResourcesTest, SwatchesAreDotsLinesAndPagesInTheStockColours) {
  Load();
  ASSERT_EQ(resources::SwatchList().count(), 30);
  for (std::size_t i = 0; i < resources::StockColors.size(); ++i) {
    const gfx::Color c = resources::StockColors[i].color;
    const gfx::Bitmap& dot = resources::SwatchList().image(resources::ColorDotSwatch + static_cast<int>(i));
    EXPECT_EQ(dot.pixel(8, 8), c) << i;
    EXPECT_EQ(dot.pixel(2, 8), 0u) << i;   // black outline
    EXPECT_EQ(dot.pixel(1, 8), Mask) << i;
    EXPECT_EQ(dot.pixel(14, 8), Mask) << i;
    const gfx::Bitmap& page = resources::SwatchList().image(resources::PageSwatch + static_cast<int>(i));
    EXPECT_EQ(page.pixel(7, 9), c == 0 ? 0xFFFFFFu : c) << i;
    EXPECT_EQ(page.pixel(3, 8), 0u) << i;
    EXPECT_EQ(page.pixel(1, 8), Mask) << i;
  }
  for (int i = 0; i < 10; ++i) {
    const gfx::Bitmap& line = resources::SwatchList().image(resources::LineWidthSwatch + i);
    int black = 0;
    for (int y = 0; y < 16; ++y) black += line.pixel(8, y) == 0;
    EXPECT_EQ(black, resources::SwatchLineWidths[i]) << i;
  }
  const gfx::Bitmap keyPage = resources::PageSwatchImage(Mask);
  EXPECT_EQ(keyPage.pixel(0, 0), Magenta);
  EXPECT_EQ(keyPage.pixel(7, 9), Mask);
}

TEST_F(ResourcesTest, CursorsComeWithTheirPictureAndHotspotOrNotAtAll) {
  gfx::codecs::IconFrame frame{gfx::Bitmap(32, 32, 0x00FF00), std::vector<std::uint8_t>(32 * 32, 255), {3, 29}};
  fake.cursors["crPen_Blue"] = gfx::codecs::EncodeIconFile({&frame, 1}, true);
  fake.cursors["id_Zoom"] = {1, 2, 3};  // a cursor the system has, with a file we cannot read
  Load();
  const resources::ScreenCursorImage* blue = resources::ScreenCursor(100 + 4);
  ASSERT_NE(blue, nullptr);
  EXPECT_EQ(blue->hotspot, (platform::Point{3, 29}));
  EXPECT_EQ(blue->image.pixel(10, 10), 0x00FF00u);
  ASSERT_NE(resources::ScreenCursor(5), nullptr);
  EXPECT_TRUE(resources::ScreenCursor(5)->image.empty());
  EXPECT_EQ(resources::ScreenCursor(100), nullptr);
  EXPECT_EQ(resources::ScreenCursor(19), nullptr);  // not an id of the table
}

class OwnPictureTool final : public tool::TTool {
 public:
  std::string_view ClassName() const override { return "TOwnPictureTool"; }
  tool::ToolPtr Clone() const override { return tool::MakeTool<OwnPictureTool>(); }
  void InitDefaults() override {
    HasOwnIcon = true;
    HasPreview = true;
    MaskColor = Magenta;
  }
  void DrawIcon(gfx::Bitmap& b) override {
    DrawStockIcon(b, resources::tb_Pen);
    b.setPixel(b.width() - 1, 0, 0x0000FF);
  }
  void DrawPreview(gfx::Bitmap& b) override { b.Fill(0x00FF00); }
};

TEST_F(ResourcesTest, ToolsDrawTheirOwnSlotsWhichFreedToolsGiveBack) {
  gfx::Bitmap pen(26, 26, Mask);
  pen.setPixel(10, 10, 0x202020);
  fake.Put("tb_Pen", pen);
  Load();
  auto a = tool::MakeTool<OwnPictureTool>();
  EXPECT_EQ(a->IconIndex, resources::StockIconCount);
  EXPECT_EQ(a->PreviewIndex, 1);  // after the missing-thumbnail placeholder
  a->Refresh();
  for (gfx::ImageList* list : {&resources::SmallButtonList(), &resources::LargeButtonList()}) {
    const gfx::Bitmap& icon = list->image(a->IconIndex);
    ASSERT_FALSE(icon.empty());
    EXPECT_EQ(icon.pixel(icon.width() - 1, 0), 0x0000FFu);
    EXPECT_EQ(icon.pixel(1, 1), Mask);  // the tool's magenta is the list's key
  }
  EXPECT_EQ(resources::SmallButtonList().image(a->IconIndex).pixel(10, 10), 0x202020u);
  EXPECT_EQ(resources::LargeButtonList().image(a->IconIndex).pixel(21, 21), 0x202020u);  // the stretched pen
  EXPECT_EQ(resources::PreviewList().image(a->PreviewIndex).pixel(40, 30), 0x00FF00u);
  const int icon = a->IconIndex, preview = a->PreviewIndex;
  a.reset();
  auto b = tool::MakeTool<OwnPictureTool>();
  EXPECT_EQ(b->IconIndex, icon);
  EXPECT_EQ(b->PreviewIndex, preview);
  b->Refresh();
  EXPECT_EQ(resources::SmallButtonList().count(), resources::StockIconCount + 1);
  EXPECT_EQ(resources::PreviewList().count(), 2);
}

}  // namespace
