#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetrics>

class QWidget;

namespace qv::ui::look {

// The colours of the original palette.
inline const QColor Maroon{0x80, 0x00, 0x00};
inline const QColor Blue{0x00, 0x00, 0xFF};
inline const QColor Green{0x00, 0x80, 0x00};

// Tells Qt which installed fonts stand in for Tahoma and Courier New where they are missing.
void registerFontSubstitutes();
// The windows' font: Tahoma, 8 points.
QFont windowFont();
// Courier New at the windows' size, for coordinates, identifiers and script text.
QFont monoFont(bool bold = false);

// The width of a character as `metrics` draws it, for room beside a text. Not the font's reported
// average width, which some systems give wrong (Wine: over a thousand pixels).
int characterWidth(const QFontMetrics& metrics);

// Sets a widget's font and the colour of the text it shows or edits.
void setTextLook(QWidget& widget, const QFont& font, const QColor& colour);

}  // namespace qv::ui::look
