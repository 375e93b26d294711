#include "shell/WindowTiler.h"

#include <algorithm>

std::vector<QRect> WindowTiler::Tile(const QRect& area, int count, Direction direction) {
  std::vector<QRect> places;
  if (count <= 0) return places;
  const bool stacked = direction == Direction::kHorizontally;
  const int length = stacked ? area.height() : area.width();
  const int share = length / count;
  for (int i = 0; i < count; ++i) {
    const int begin = i * share;
    const int size = i + 1 == count ? length - begin : share;
    places.push_back(stacked ? QRect(area.left(), area.top() + begin, area.width(), size)
                             : QRect(area.left() + begin, area.top(), size, area.height()));
  }
  return places;
}

std::vector<QRect> WindowTiler::LineUp(const QRect& area, int count, const QSize& icon) {
  std::vector<QRect> places;
  const int perRow = std::max(1, icon.width() > 0 ? area.width() / icon.width() : 1);
  for (int i = 0; i < count; ++i) {
    const int row = i / perRow;
    const int column = i % perRow;
    places.emplace_back(
        QPoint(area.left() + column * icon.width(), area.bottom() + 1 - (row + 1) * icon.height()),
        icon);
  }
  return places;
}
