#include "TextFile.h"

#include <fstream>
#include <sstream>

#include "BuildFailure.h"

namespace importers {

TextFile TextFile::Read(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw BuildFailure(WhereText(path, 0, "cannot be opened"));
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) throw BuildFailure(WhereText(path, 0, "cannot be read"));
  return TextFile(path, std::move(content).str());
}

bool TextFile::Next(TextLine* line) {
  if (position_ >= content_.size()) return false;
  const std::size_t end = content_.find('\n', position_);
  const std::size_t stop = end == std::string::npos ? content_.size() : end;
  line->text = std::string_view(content_).substr(position_, stop - position_);
  line->offset = position_;
  line->number = ++number_;
  line->terminated = end != std::string::npos;
  position_ = stop + 1;
  return true;
}

bool IsValidUtf8(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size()) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead < 0x80) {
      ++i;
      continue;
    }
    int extra = 0;
    std::uint32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
      extra = 1;
      value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      extra = 2;
      value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      extra = 3;
      value = lead & 0x07;
    } else {
      return false;
    }
    if (i + extra >= text.size()) return false;
    for (int k = 1; k <= extra; ++k) {
      const auto next = static_cast<unsigned char>(text[i + k]);
      if ((next & 0xC0) != 0x80) return false;
      value = (value << 6) | (next & 0x3F);
    }
    const bool overlong = (extra == 2 && value < 0x800) || (extra == 3 && value < 0x10000);
    if (overlong || (value >= 0xD800 && value <= 0xDFFF) || value > 0x10FFFF) return false;
    i += extra + 1;
  }
  return true;
}

}  // namespace importers
