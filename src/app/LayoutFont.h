// The fonts of the layout: "MS Sans Serif" at a pixel size, regular or bold.
//
// The layout's fixed boxes were measured for that face, whose letters
// average 6 pixels across at a size of 11 pixels. Where the face is not
// installed, Qt's font matching takes a sans-serif face of the same pixel
// size instead (DejaVu Sans on most Linux systems), which runs about an
// eighth wider, so that "Please delete my .seq files after this process"
// would be clipped at its check box's edge. A wider substitute is therefore
// condensed (QFont::setStretch) to the named face's average width.
//
//   LayoutFont(11)        => the window's font: 11 px, regular
//   LayoutFont(13)        => the folder labels' font: 13 px
//   LayoutFont(16, true)  => the About dialog's labels: 16 px, bold
#pragma once

#include <QFont>

namespace tw {

inline constexpr char kLayoutFontFamily[] = "MS Sans Serif";
inline constexpr double kLayoutAverageLetterWidth = 6.0 / 11.0;  // of the pixel size

QFont LayoutFont(int pixelSize, bool bold = false);

// The average advance of the letters A-Z and a-z in a font, in pixels.
double AverageLetterWidth(const QFont &font);

}  // namespace tw
