// velmora_resgen: draws every picture, cursor and icon of the program's
// resources at build time, from the icon font and our own drawings.
//
//   velmora_resgen --font TTF --names SCSS --text TTF --out DIR [--rc FILE]
//
// Fails (exit 1) when a name of the resource lists has no art or the art names
// a glyph the font does not have, so the set can never be silently incomplete.
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "resources/resource_names.h"
#include "gfx/codecs/ico.h"
#include "resources/generator/bundle_writer.h"
#include "resources/generator/button_art.h"
#include "resources/generator/picture_art.h"
#include "resources/generator/sprite_art.h"
#include "resources/generator/icon_table.h"

namespace {

using namespace resources::generator;

int errors = 0;
void Error(const std::string& what) {
  std::fprintf(stderr, "velmora_resgen: %s\n", what.c_str());
  ++errors;
}

void CheckGlyph(const GlyphFont& font, std::string_view glyph, std::string_view user) {
  if (!glyph.empty() && !font.Has(glyph))
    Error("the font has no glyph \"" + std::string(glyph) + "\" (for " + std::string(user) + ")");
}

void CheckArt(const GlyphFont& font, const resources::generator::Art& art, std::string_view name) {
  CheckGlyph(font, art.glyph, name);
  CheckGlyph(font, art.badge, name);
}

void ButtonIcons(BundleWriter& out, const ArtContext& ctx) {
  const auto table = resources::generator::ButtonArt();
  for (int i = 0; i < resources::StockIconCount; ++i) {
    const std::string_view name = resources::StockIconNames[i];
    if (table[static_cast<std::size_t>(i)].name != name) Error("button art out of order at " + std::string(name));
    const resources::generator::Art* art = resources::generator::FindArt(table, name);
    if (!art) continue;
    CheckArt(ctx.glyphs, *art, name);
    out.Bitmap(name, PaintIcon(*art, 26, ctx));
    if (art->big) out.Bitmap(std::string(name) + std::string(resources::BigIconSuffix), PaintIcon(*art, 52, ctx));
  }
}

void EventIcons(BundleWriter& out, const ArtContext& ctx) {
  for (std::string_view name : resources::EventIconNames) {
    const resources::generator::Art* art = resources::generator::FindArt(resources::generator::EventArt(), name);
    if (!art) {
      Error("no art for " + std::string(name));
      continue;
    }
    CheckArt(ctx.glyphs, *art, name);
    out.Bitmap(name, PaintIcon(*art, 26, ctx));
  }
}

void PointerImages(BundleWriter& out, const ArtContext& ctx) {
  const auto table = resources::generator::PointerArt();
  for (std::size_t i = 0; i < resources::PointerImageNames.size(); ++i) {
    const std::string_view name = resources::PointerImageNames[i];
    if (i >= table.size() || table[i].name != name) {
      Error("pointer art out of order at " + std::string(name));
      continue;
    }
    CheckGlyph(ctx.glyphs, table[i].glyph, name);
    out.Bitmap(name, PaintPointer(table[i], ctx));
  }
}

void Pictures(BundleWriter& out, const ArtContext& ctx) {
  for (std::string_view name : resources::PictureNames) {
    gfx::Bitmap b = PaintPicture(name, ctx);
    if (b.empty()) Error("no art for " + std::string(name));
    else out.Bitmap(name, b);
  }
}

const resources::generator::CursorArt* FindCursor(std::string_view name) {
  for (const auto& c : resources::generator::CursorTableArt())
    if (c.name == name) return &c;
  return nullptr;
}

void Cursors(BundleWriter& out, const ArtContext& ctx) {
  auto write = [&](std::string_view name, const resources::generator::CursorArt& art, gfx::Color color) {
    CheckGlyph(ctx.glyphs, art.glyph, name);
    const gfx::codecs::IconFrame frame = PaintCursor(art, color, ctx);
    out.Cursor(name, gfx::codecs::EncodeIconFile({&frame, 1}, true));
  };
  for (const auto& entry : resources::FixedCursors) {
    const resources::generator::CursorArt* art = FindCursor(entry.name);
    if (!art) Error("no art for cursor " + std::string(entry.name));
    else write(entry.name, *art, 0x000000);
  }
  for (const auto& family : resources::CursorFamilies) {
    const resources::generator::CursorArt* art = FindCursor(family.prefix);
    if (!art) {
      Error("no art for cursor family " + std::string(family.prefix));
      continue;
    }
    for (const auto& color : resources::StockColors)
      write(std::string(family.prefix) + "_" + std::string(color.name), *art, color.color);
  }
}

void AppIcons(BundleWriter& out, const ArtContext& ctx) {
  for (bool enabled : {true, false}) {
    const auto frames = PaintAppIcon(enabled, ctx);
    out.Icon(enabled ? resources::EnabledIconName : resources::DisabledIconName, gfx::codecs::EncodeIconFile(frames, false));
  }
}

}  // namespace

int main(int argc, char** argv) {
  std::map<std::string, std::string> opt;
  for (int i = 1; i + 1 < argc; i += 2) opt[argv[i]] = argv[i + 1];
  for (const char* need : {"--font", "--names", "--text", "--out"})
    if (!opt.count(need)) {
      std::fprintf(stderr, "usage: velmora_resgen --font TTF --names SCSS --text TTF --out DIR [--rc FILE]\n");
      return 2;
    }
  const GlyphFont glyphs(opt["--font"], opt["--names"]);
  const TextFont text(opt["--text"]);
  if (!glyphs.ok()) {
    Error("cannot read the icon font " + opt["--font"] + " with its names " + opt["--names"]);
    return 1;
  }
  if (!text.ok()) {
    Error("cannot read the text face " + opt["--text"]);
    return 1;
  }
  std::error_code ec;
  std::filesystem::create_directories(opt["--out"], ec);
  const ArtContext ctx{glyphs, text};
  BundleWriter out(opt["--out"]);
  ButtonIcons(out, ctx);
  EventIcons(out, ctx);
  PointerImages(out, ctx);
  Pictures(out, ctx);
  Cursors(out, ctx);
  AppIcons(out, ctx);
  if (opt.count("--rc") && !out.WriteScript(opt["--rc"])) Error("cannot write " + opt["--rc"]);
  if (errors) return 1;
  std::printf("velmora_resgen: %d resources in %s\n", out.count(), opt["--out"].c_str());
  return 0;
}
