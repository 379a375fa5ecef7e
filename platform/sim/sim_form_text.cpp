#include "platform/sim/sim_form_text.h"

#include <algorithm>

namespace platform::sim {

gfx::Font GfxFont(gfx::FontService& fonts, const FormFont& font) {
  gfx::Font f;
  f.face = font.face;
  f.unit = gfx::FontUnit::Pixels;
  f.bold = font.bold;
  f.size = std::max(1, font.height);
  auto probe = fonts.Open(f);
  if (!probe || probe->metrics().height <= 0) return f;
  // Pixel fonts are asked by the em; the cell is the em plus the leading.
  f.size = std::max(1, (font.height * font.height + probe->metrics().height / 2) / probe->metrics().height);
  return f;
}

std::shared_ptr<const gfx::FontFace> OpenFormFont(gfx::FontService& fonts, const FormFont& font) {
  return fonts.Open(GfxFont(fonts, font));
}

std::vector<std::string> WrapText(const gfx::FontFace& face, std::string_view text, int wrapWidth) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start <= text.size()) {
    std::size_t end = text.find('\n', start);
    std::string_view para = text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
    if (!para.empty() && para.back() == '\r') para.remove_suffix(1);
    if (wrapWidth <= 0) {
      lines.emplace_back(para);
    } else {
      std::string line;
      std::size_t i = 0;
      while (i < para.size()) {
        std::size_t wordEnd = para.find(' ', i);
        if (wordEnd == std::string_view::npos) wordEnd = para.size();
        std::string_view word = para.substr(i, wordEnd - i);
        std::string candidate = line.empty() ? std::string(word) : line + " " + std::string(word);
        if (!line.empty() && face.TextExtent(candidate).cx > wrapWidth) {
          lines.push_back(line);
          line = std::string(word);
        } else {
          line = std::move(candidate);
        }
        i = wordEnd + 1;
      }
      lines.push_back(line);
    }
    if (end == std::string_view::npos) break;
    start = end + 1;
  }
  return lines;
}

Rect MeasureWrapped(const gfx::FontFace* face, std::string_view text, int wrapWidth) {
  if (!face) return {};
  int width = 0;
  auto lines = WrapText(*face, text, wrapWidth);
  for (const auto& l : lines) width = std::max(width, face->TextExtent(l).cx);
  return {0, 0, width, static_cast<int>(lines.size()) * face->metrics().height};
}

}  // namespace platform::sim
