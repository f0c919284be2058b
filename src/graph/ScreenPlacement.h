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

// Where a window of `size` (its frame) goes beside `neighbour` on the
// `screen` desktop: to its right, else to its left, below or above it, on the
// first side where it fits whole; else on the first side with room for it
// made no smaller than `least`. Where even that fits nowhere (a zoomed main
// window on a small desktop) it goes, held on the desktop, where it hides
// least of `keepClear`, the neighbour's controls the user works with.
QRect BesidePlacement(const QRect& neighbour, const QSize& size, const QSize& least,
                      const QRect& screen, const QRect& keepClear);

} // namespace stakewell::graph
