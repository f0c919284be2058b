#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

class QScreen;

namespace stakewell::graph {

// Where a window stored at `outer` (its frame, in screen pixels) should go so
// that the user can reach it: unchanged while its caption band shows on some
// screen, else moved onto the nearest screen (a monitor unplugged since the
// position was stored).
QPoint OnNearestScreen(const QRect& outer);

// The largest a window's frame may grow on `screen`'s desktop. Every pixel of
// a window costs memory whether it can be seen or not, so a window is kept
// within the desktop; yet never held below 2048 pixels a side, for one that
// hangs off the edge of a small desktop, nor let past 16384 by any desktop.
QSize LargestWindowSize(const QScreen* screen);

} // namespace stakewell::graph
