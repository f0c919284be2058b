#pragma once

#include <QPoint>
#include <QRect>

// Where a window stored at `outer` (its frame, in screen pixels) should go so
// that the user can reach it: unchanged while its caption band shows on some
// screen, else moved onto the nearest screen (a monitor unplugged since the
// position was stored).
QPoint OnNearestScreen(const QRect& outer);
