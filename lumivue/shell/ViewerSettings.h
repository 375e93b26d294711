// The viewer's settings as plain values with their defaults. The window layer reads them once when
// the main frame is created and writes them once when it closes, under the names and in the group
// given here; nothing else keeps them.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

// A window rectangle in screen coordinates.
struct WindowRect {
  std::int32_t left;
  std::int32_t top;
  std::int32_t right;
  std::int32_t bottom;
  bool operator==(const WindowRect&) const = default;
};

struct ViewerSettings {
  static constexpr const char* kOrganisation = "Quorvane";
  static constexpr const char* kApplication = "Polylex";
  static constexpr const char* kGroup = "Viewer";
  // Where the bar layout and the recent-file list are kept.
  static constexpr const char* kProfileName = "Software\\Quorvane\\Polylex\\Viewer";
  static constexpr int kRecentFiles = 6;

  // Value names.
  static constexpr const char* kDatabaseName = "Concept Database";  // text
  static constexpr const char* kStatusName = "Status";              // 32-bit, 1 maximized
  static constexpr const char* kPositionName = "Position";          // 16 bytes, see EncodePosition
  static constexpr const char* kFontSizeName = "Font Size";         // 32-bit, tenths of a point
  static constexpr const char* kFontNameName = "Font Name";         // text
  static constexpr const char* kDataTipsName = "Data Tips";         // 32-bit, 0 or 1

  static constexpr WindowRect kDefaultPosition{10, 10, 500, 400};
  static constexpr std::int32_t kDefaultFontSize = 100;
  static constexpr const char* kDefaultFontName = "MS Sans Serif";

  // The database path of the last run (empty: none), opened when the command line names none.
  std::string database;
  // The window starts maximized; then `position` is kept but not applied.
  bool maximized = false;
  // The last normal window rectangle; none stored yet gives kDefaultPosition.
  std::optional<WindowRect> position;
  std::int32_t fontSize = kDefaultFontSize;
  std::string fontName = kDefaultFontName;
  bool dataTips = true;

  // Where a window that does not start maximized is placed: the stored rectangle when it has an
  // area, else kDefaultPosition.
  WindowRect StartRectangle() const;
  // The panes' font size in whole points (a stored 95 gives 9). A stored size below one point
  // counts as no size: 10.
  int FontPoints() const;
  // Records the main window as it closes: maximized or not; the rectangle only when the window is
  // neither maximized nor minimized, so that a maximized close keeps the last normal position.
  void RecordWindow(bool isMaximized, bool isMinimized, const WindowRect& rect);

  // "Position" as stored: left, top, right, bottom, each a little-endian signed 32-bit number.
  static std::array<std::uint8_t, 16> EncodePosition(const WindowRect& rect);
  // The rectangle of a stored value; none when it is not exactly 16 bytes long.
  static std::optional<WindowRect> DecodePosition(const std::uint8_t* bytes, std::size_t size);
};
