// The two sides of a view's bars: the left pane (every view) and the right pane (multilingual
// views only). The input bar's controls, the browse bar's list and the panes are told apart by it.
#pragma once

enum class BarSide { kLeft = 0, kRight = 1 };
