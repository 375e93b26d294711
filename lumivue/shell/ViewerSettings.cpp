#include "shell/ViewerSettings.h"

namespace {

void Put(std::uint8_t* out, std::int32_t value) {
  const auto bits = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

std::int32_t Get(const std::uint8_t* in) {
  std::uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= static_cast<std::uint32_t>(in[i]) << (8 * i);
  return static_cast<std::int32_t>(bits);
}

}  // namespace

WindowRect ViewerSettings::StartRectangle() const {
  if (position && position->right > position->left && position->bottom > position->top) {
    return *position;
  }
  return kDefaultPosition;
}

int ViewerSettings::FontPoints() const {
  return (fontSize >= 10 ? fontSize : kDefaultFontSize) / 10;
}

void ViewerSettings::RecordWindow(bool isMaximized, bool isMinimized, const WindowRect& rect) {
  maximized = isMaximized;
  if (!isMaximized && !isMinimized) position = rect;
}

std::array<std::uint8_t, 16> ViewerSettings::EncodePosition(const WindowRect& rect) {
  std::array<std::uint8_t, 16> bytes{};
  Put(&bytes[0], rect.left);
  Put(&bytes[4], rect.top);
  Put(&bytes[8], rect.right);
  Put(&bytes[12], rect.bottom);
  return bytes;
}

std::optional<WindowRect> ViewerSettings::DecodePosition(const std::uint8_t* bytes,
                                                         std::size_t size) {
  if (bytes == nullptr || size != 16) return std::nullopt;
  return WindowRect{Get(bytes), Get(bytes + 4), Get(bytes + 8), Get(bytes + 12)};
}
