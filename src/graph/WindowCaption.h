#pragma once

#include <QMargins>

#include <optional>

class QWidget;

namespace stakewell::graph {

// The decoration the window system put around a top-level window: nothing
// until the window has been framed (it is not before it is first shown).
std::optional<QMargins> FrameMarginsOf(const QWidget& window);

// Caption height in pixels: the top of the frame less its bottom border,
// which the top shares; the style's title-bar height while the window system
// tells nothing.
int CaptionHeight(const QWidget& window, const std::optional<QMargins>& frame);

} // namespace stakewell::graph
