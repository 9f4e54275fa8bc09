#pragma once

#include <QRect>
#include <optional>

namespace qv::ui {

// A window's remembered geometry (its inside, without the frame), moved and if need be shrunk so
// that it and its title bar lie within `available`, a screen's free area.
QRect fittedInto(const QRect& kept, const QRect& available);

// `kept` fitted to a screen there is now: the one it overlaps most, or the primary screen when
// it overlaps none (a screen since unplugged, another resolution or scale).
QRect fittedToScreens(const QRect& kept);

// Where the frame of a window `size` large goes beside the frame `neighbour`: to its right, or
// else to its left, their tops level, wholly within `available`; nullopt when neither side has
// room.
std::optional<QPoint> besideOf(const QRect& neighbour, const QSize& size, const QRect& available);

}  // namespace qv::ui
