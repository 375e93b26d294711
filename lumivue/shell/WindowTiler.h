// Where the view windows go when they are tiled, and where minimized ones line up.
#pragma once

#include <vector>

#include <QRect>
#include <QSize>

class WindowTiler {
 public:
  enum class Direction {
    kHorizontally,  // one above the other, each the full width
    kVertically,    // side by side, each the full height
  };

  // `count` rectangles that share `area` between them; the last takes what rounding leaves.
  static std::vector<QRect> Tile(const QRect& area, int count, Direction direction);
  // Places for `count` minimized windows of size `icon`, left to right along the bottom of
  // `area`, starting a new row above when a row is full.
  static std::vector<QRect> LineUp(const QRect& area, int count, const QSize& icon);
};
